#pragma once

#include <QString>

namespace vellaro {

// A plain HTTP GET whose body is read as text. get() waits for the answer while
// other events keep running; it returns empty text on any failure or time-out.
class HttpService {
  public:
    virtual ~HttpService() = default;
    virtual QString get(const QString& url) = 0;
    // Is a transfer still running?
    virtual bool busy() const = 0;
};

} // namespace vellaro
