#pragma once

#include "platform/AtcClientLink.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QTcpSocket;
class QTimer;

namespace vellaro::qt {

// The link over a QTcpSocket. Connecting never blocks: the socket connects in the
// background, and a timer tries again every kRetryMs while the link is down. A request
// waits in a nested event loop, so the window keeps handling keys and timers, for at
// most the answer time-out; a request that times out drops the connection, and the
// link connects anew at once.
class QtAtcClientLink : public AtcClientLink {
  public:
    explicit QtAtcClientLink(int answerTimeoutMs = kAnswerTimeoutMs, int retryMs = kRetryMs);
    ~QtAtcClientLink() override;

    void start(EndpointSource endpoint) override;
    void stop() override;
    bool connected() const override;
    std::optional<QString> request(const QString& command,
                                   const QStringList& arguments = {}) override;

  private:
    void attempt();
    void drop();
    // Reads whole lines; each one goes to the request waiting for it, if any.
    void readLines();
    void setUp(bool up);

    int answerTimeoutMs_;
    // A QObject for the socket's and timers' connections, and the queued notices.
    std::unique_ptr<QObject> context_;
    QPointer<QTcpSocket> socket_;
    std::unique_ptr<QTimer> retry_;
    EndpointSource endpoint_;
    std::optional<Endpoint> current_;
    bool up_ = false;
    bool waiting_ = false;
    QString pending_;
    std::optional<QString> answer_;
    std::function<void()> wake_;
};

} // namespace vellaro::qt
