#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace vellaro {

class HttpService;

// The one place the console waits for a download. Other events run during the wait,
// and the controller may close the console meanwhile; then no handler may go on.
class Download {
  public:
    Download(HttpService& http, std::function<bool()> consoleClosed);

    // Is an earlier transfer still running?
    bool busy() const;
    // The answer (empty text on any failure), or nothing when the console was closed
    // while we waited: the caller then ends at once.
    std::optional<QString> get(const QString& url) const;

  private:
    HttpService& http_;
    std::function<bool()> consoleClosed_;
};

} // namespace vellaro
