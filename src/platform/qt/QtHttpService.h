#pragma once

#include "platform/HttpService.h"

namespace vellaro::qt {

// HTTP GET through QNetworkAccessManager, waited on in a nested event loop so
// timers and clicks keep being handled; empty text on failure or after the time-out.
class QtHttpService : public HttpService {
  public:
    explicit QtHttpService(int timeoutMs = 10000);
    ~QtHttpService() override;
    QString get(const QString& url) override;
    bool busy() const override;

  private:
    int timeoutMs_;
    bool busy_ = false;
};

} // namespace vellaro::qt
