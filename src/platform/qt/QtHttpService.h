#pragma once

#include "platform/HttpService.h"

#include <QtGlobal>

#include <memory>

class QNetworkAccessManager;

namespace vellaro::qt {

// HTTP GET through QNetworkAccessManager, waited on in a nested event loop so
// timers and clicks keep being handled; empty text on failure or after the time-out.
// No proxy, at most a few redirects, and a body larger than the cap counts as a failure.
class QtHttpService : public HttpService {
  public:
    // Room for the status feed of a busy evening (about 8 MB for 10 000 clients).
    static constexpr qint64 kDefaultMaxBody = qint64(32) << 20;
    static constexpr int kMaxRedirects = 5;

    explicit QtHttpService(int timeoutMs = 10000, qint64 maxBodyBytes = kDefaultMaxBody);
    ~QtHttpService() override;
    QString get(const QString& url) override;
    bool busy() const override;

  private:
    int timeoutMs_;
    qint64 maxBody_;
    // Transfers running; a nested get() (through the event loop) adds one.
    int running_ = 0;
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace vellaro::qt
