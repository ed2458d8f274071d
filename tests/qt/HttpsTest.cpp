#include "platform/qt/QtHttpService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using vellaro::qt::QtHttpService;

namespace {

const QByteArray kReport = "EDDT 121250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG";

// A TLS server on 127.0.0.1 on its own thread, with a certificate made for this test
// by openssl; every request gets the report.
class LocalTlsServer : public QThread {
  public:
    LocalTlsServer() {
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty() || !dir_.isValid()) {
            return;
        }
        QProcess req;
        req.setWorkingDirectory(dir_.path());
        req.start(openssl,
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                   QStringLiteral("key.pem"), QStringLiteral("-out"), QStringLiteral("cert.pem"),
                   QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (!req.waitForFinished(60000) || req.exitCode() != 0) {
            return;
        }
        QFile keyFile(dir_.filePath(QStringLiteral("key.pem")));
        if (!keyFile.open(QIODevice::ReadOnly)) {
            return;
        }
        key_ = QSslKey(&keyFile, QSsl::Rsa);
        certs_ = QSslCertificate::fromPath(dir_.filePath(QStringLiteral("cert.pem")));
        if (key_.isNull() || certs_.isEmpty()) {
            return;
        }
        start();
        std::unique_lock lock(mutex_);
        started_.wait(lock, [this] { return port_ != 0; });
    }
    ~LocalTlsServer() override {
        quit();
        wait();
    }

    bool ready() const { return port_ > 0; }
    QString url(const char* path) const {
        return QStringLiteral("https://127.0.0.1:%1/%2").arg(port_).arg(QLatin1String(path));
    }
    QList<QSslCertificate> certificate() const { return certs_; }

  protected:
    void run() override {
        QSslServer server;
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificateChain(certs_);
        config.setPrivateKey(key_);
        server.setSslConfiguration(config);
        QObject::connect(&server, &QSslServer::pendingConnectionAvailable, [&server] {
            while (auto* socket = qobject_cast<QSslSocket*>(server.nextPendingConnection())) {
                QObject::connect(socket, &QIODevice::readyRead, [socket] {
                    if (!socket->peek(65536).contains("\r\n\r\n")) {
                        return;
                    }
                    socket->readAll();
                    socket->write(
                        "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        QByteArray::number(kReport.size()) + "\r\nConnection: close\r\n\r\n" +
                        kReport);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QAbstractSocket::disconnected, socket,
                                 &QObject::deleteLater);
            }
        });
        const bool listening = server.listen(QHostAddress::LocalHost, 0);
        {
            std::lock_guard lock(mutex_);
            port_ = listening ? int(server.serverPort()) : -1;
        }
        started_.notify_all();
        if (listening) {
            exec();
        }
    }

  private:
    QTemporaryDir dir_;
    QSslKey key_;
    QList<QSslCertificate> certs_;
    std::mutex mutex_;
    std::condition_variable started_;
    int port_ = 0;
};

class Https : public ::testing::Test {
  protected:
    void TearDown() override { QSslConfiguration::setDefaultConfiguration(saved_); }

    // Trusts the test's own certificate, in this process only, until the test ends.
    void trust(const QList<QSslCertificate>& certs) {
        QSslConfiguration c = saved_;
        c.addCaCertificates(certs);
        QSslConfiguration::setDefaultConfiguration(c);
    }

    const QSslConfiguration saved_ = QSslConfiguration::defaultConfiguration();
};

} // namespace

TEST_F(Https, TrustedServerAnswersAndAnUnknownCertificateIsAFailedTransfer) {
    ASSERT_TRUE(QSslSocket::supportsSsl())
        << "no TLS backend: " << qPrintable(QSslSocket::activeBackend());
    LocalTlsServer server;
    ASSERT_TRUE(server.ready()) << "no local TLS server (is openssl installed?)";
    {
        // Not trusted: no text at all, never the page.
        QtHttpService http(5000);
        EXPECT_EQ(http.get(server.url("metar.txt")), QString());
        EXPECT_FALSE(http.busy());
    }
    trust(server.certificate());
    QtHttpService http(5000);
    EXPECT_EQ(http.get(server.url("metar.txt")), QString::fromLatin1(kReport));
    // A name the certificate does not carry is refused as well.
    QString byName = server.url("metar.txt");
    byName.replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost"));
    EXPECT_EQ(http.get(byName), QString());
}
