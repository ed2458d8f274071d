#include "platform/qt/QtHttpService.h"

#include "platform/CodePage.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace vellaro::qt {

namespace {

// The body as text: the charset the server names, else the 8-bit code page the
// console uses for its own files (plain ASCII pages read the same either way).
QString decodeBody(const QByteArray& body, const QString& contentType) {
    // "text/plain; charset=utf-8", perhaps quoted. Parsed by hand: a regular expression
    // would load its library into a program that has none otherwise.
    const qsizetype at = contentType.indexOf(QLatin1String("charset"), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        QString rest = contentType.mid(at + 7).trimmed();
        if (rest.startsWith(QLatin1Char('='))) {
            rest = rest.mid(1).trimmed();
            if (rest.startsWith(QLatin1Char('"'))) {
                rest = rest.mid(1);
            }
            qsizetype end = 0;
            while (end < rest.size() && rest[end] != QLatin1Char('"') &&
                   rest[end] != QLatin1Char(';') && !rest[end].isSpace()) {
                ++end;
            }
            QStringDecoder decoder(rest.left(end).toLatin1().constData());
            if (end > 0 && decoder.isValid()) {
                return decoder.decode(body);
            }
        }
    }
    // JSON is UTF-8 by definition, named or not.
    if (contentType.contains(QLatin1String("json"), Qt::CaseInsensitive)) {
        return QString::fromUtf8(body);
    }
    return fromWindows1252(body);
}

struct Transfer {
    QByteArray body;
    bool finished = false;
    bool failed = false;
};

} // namespace

QtHttpService::QtHttpService(int timeoutMs, qint64 maxBodyBytes)
    : timeoutMs_(timeoutMs), maxBody_(maxBodyBytes) {}

QtHttpService::~QtHttpService() = default;

QString QtHttpService::get(const QString& url) {
    const QUrl target(url);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return {};
    }
    if (!manager_) {
        manager_ = std::make_unique<QNetworkAccessManager>();
        manager_->setProxy(QNetworkProxy::NoProxy);
    }

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    ++running_;
    QPointer<QNetworkReply> reply = manager_->get(request);
    // Qt keeps at most this much unread; we drain it on every readyRead anyway.
    reply->setReadBufferSize(qint64(256) * 1024);

    Transfer t;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);

    auto fail = [&] {
        t.failed = true;
        if (reply && reply->isRunning()) {
            reply->abort();
        }
    };
    auto drain = [&] {
        if (t.failed || !reply) {
            return;
        }
        const QByteArray chunk = reply->readAll();
        if (t.body.size() + chunk.size() > maxBody_) {
            // A cut page could look like a real answer; treat it as no answer.
            t.body.clear();
            fail();
            return;
        }
        t.body += chunk;
    };

    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBody_) {
            fail();
        }
    });
    QObject::connect(reply, &QIODevice::readyRead, &loop, drain);
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
        drain();
        t.finished = true;
        loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, fail);

    deadline.start(timeoutMs_);
    if (!reply->isFinished()) {
        loop.exec();
    } else {
        drain();
        t.finished = true;
    }
    deadline.stop();

    QString result;
    if (reply) {
        // The application may be quitting (all event loops are told to end): give up.
        if (!t.finished) {
            t.failed = true;
            QObject::disconnect(reply, nullptr, &loop, nullptr);
            reply->abort();
        }
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool ok =
            !t.failed && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        if (ok) {
            result =
                decodeBody(t.body, reply->header(QNetworkRequest::ContentTypeHeader).toString());
        }
        QObject::disconnect(reply, nullptr, &loop, nullptr);
        reply->deleteLater();
    }
    --running_;
    return result;
}

bool QtHttpService::busy() const {
    return running_ > 0;
}

} // namespace vellaro::qt
