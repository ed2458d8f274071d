#pragma once

#include <QByteArray>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vellaro::testing {

// A small HTTP server on 127.0.0.1 for the tests, on its own threads so the test's
// event loop stays free. Each connection gets the request path and a way to write.
class LocalHttpServer {
  public:
    struct Connection {
        int fd;
        const std::atomic<bool>& stopping;
        // Writes everything; false once the client has gone.
        bool send(const QByteArray& bytes) const;
        // Waits until the client hangs up or the server stops.
        void holdOpen() const;
    };
    using Handler = std::function<void(const QByteArray& path, const Connection&)>;

    explicit LocalHttpServer(Handler handler);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int port() const { return port_; }
    QByteArray url(const QByteArray& path) const;
    QStringList paths() const;

    // A port on which nobody listens (bound, then closed again).
    static int closedPort();
    // A complete answer with the given status line and headers.
    static QByteArray response(const QByteArray& status, const QByteArray& body,
                               const QByteArray& contentType = "text/plain");

  private:
    void acceptLoop();
    void serve(int fd);

    Handler handler_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;
    mutable std::mutex mutex_;
    std::vector<std::thread> workers_;
    std::vector<int> clientFds_;
    QStringList paths_;
};

} // namespace vellaro::testing
