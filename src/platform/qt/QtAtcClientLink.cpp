#include "platform/qt/QtAtcClientLink.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace vellaro::qt {

namespace {

// No line of the interface comes near this; a peer that sends more without a line
// end is no ATC client.
constexpr qint64 kMaxLine = qint64(64) * 1024;

} // namespace

QtAtcClientLink::QtAtcClientLink(int answerTimeoutMs, int retryMs)
    : answerTimeoutMs_(answerTimeoutMs), context_(std::make_unique<QObject>()),
      retry_(std::make_unique<QTimer>()) {
    retry_->setInterval(retryMs);
    QObject::connect(retry_.get(), &QTimer::timeout, context_.get(), [this] { attempt(); });
}

QtAtcClientLink::~QtAtcClientLink() {
    onConnectedChanged = nullptr;
    stop();
}

void QtAtcClientLink::start(EndpointSource endpoint) {
    endpoint_ = std::move(endpoint);
    retry_->start();
    attempt();
}

void QtAtcClientLink::stop() {
    endpoint_ = nullptr;
    retry_->stop();
    drop();
}

bool QtAtcClientLink::connected() const {
    return up_;
}

void QtAtcClientLink::attempt() {
    if (!endpoint_ || (socket_ && socket_->state() == QAbstractSocket::ConnectedState)) {
        return;
    }
    // A connection still being made since the last attempt has taken too long.
    drop();
    const auto endpoint = endpoint_();
    if (!endpoint) {
        return;
    }
    current_ = endpoint;
    auto* s = new QTcpSocket(context_.get());
    socket_ = s;
    s->setProxy(QNetworkProxy::NoProxy);
    QObject* ctx = context_.get();
    QObject::connect(s, &QTcpSocket::connected, ctx, [this, s] {
        if (s == socket_) {
            // One short line each way: send it at once.
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            retry_->stop();
            setUp(true);
        }
    });
    QObject::connect(s, &QTcpSocket::disconnected, ctx, [this, s] {
        if (s == socket_) {
            drop();
        }
    });
    QObject::connect(s, &QTcpSocket::errorOccurred, ctx, [this, s] {
        if (s == socket_) {
            drop();
        }
    });
    QObject::connect(s, &QTcpSocket::readyRead, ctx, [this, s] {
        if (s == socket_) {
            readLines();
        }
    });
    s->connectToHost(endpoint->host, endpoint->port);
}

void QtAtcClientLink::drop() {
    if (QTcpSocket* s = socket_.data()) {
        socket_ = nullptr;
        QObject::disconnect(s, nullptr, context_.get(), nullptr);
        s->abort();
        s->deleteLater();
    }
    current_.reset();
    if (endpoint_ && !retry_->isActive()) {
        retry_->start();
    }
    if (waiting_ && wake_) {
        wake_();
    }
    setUp(false);
}

void QtAtcClientLink::readLines() {
    while (socket_ && socket_->canReadLine()) {
        QString line = QString::fromLatin1(socket_->readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        // Anything that does not answer the request is a notice of the client's own.
        if (waiting_ && !answer_ && atc::answers(line, pending_)) {
            answer_ = line;
            if (wake_) {
                wake_();
            }
        }
    }
    if (socket_ && socket_->bytesAvailable() > kMaxLine) {
        drop();
    }
}

void QtAtcClientLink::setUp(bool up) {
    if (up_ == up) {
        return;
    }
    up_ = up;
    // Told from the event loop, never inside a call of the console's, and only the
    // state that holds by then.
    QMetaObject::invokeMethod(
        context_.get(),
        [this] {
            if (onConnectedChanged) {
                onConnectedChanged(up_);
            }
        },
        Qt::QueuedConnection);
}

std::optional<QString> QtAtcClientLink::request(const QString& command,
                                                const QStringList& arguments) {
    const auto line = atc::requestLine(command, arguments);
    if (!line || !up_ || waiting_ || !socket_) {
        return std::nullopt;
    }
    if (!endpoint_ || endpoint_() != current_) {
        // services.txt moved the link or switched it off since it connected.
        drop();
        QTimer::singleShot(0, context_.get(), [this] { attempt(); });
        return std::nullopt;
    }
    waiting_ = true;
    pending_ = *line;
    answer_.reset();
    socket_->write((*line + QStringLiteral("\r\n")).toLatin1());

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    // A coarse timer may be late by a twentieth: the wait must end on time.
    deadline.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    wake_ = [&loop] { loop.quit(); };
    deadline.start(answerTimeoutMs_);
    if (socket_ && !answer_) {
        loop.exec();
    }
    wake_ = nullptr;
    waiting_ = false;
    std::optional<QString> answer = std::exchange(answer_, std::nullopt);
    if (!answer && timedOut) {
        // Whatever answer still comes would be taken for the next request's.
        drop();
        QTimer::singleShot(0, context_.get(), [this] { attempt(); });
    }
    return answer;
}

} // namespace vellaro::qt
