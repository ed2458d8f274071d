#include "LocalHttpServer.h"

#include "../support/Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace vellaro::testing {

bool LocalHttpServer::Connection::send(const QByteArray& bytes) const {
    qsizetype done = 0;
    while (done < bytes.size()) {
        if (stopping) {
            return false;
        }
        const ssize_t n =
            ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

void LocalHttpServer::Connection::holdOpen() const {
    while (!stopping) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0) {
            char buf[512];
            if (::recv(fd, buf, sizeof buf, 0) <= 0) {
                return;
            }
        }
    }
}

LocalHttpServer::LocalHttpServer(Handler handler) : handler_(std::move(handler)) {
    const LoopbackListener l = listenOnLoopback("LocalHttpServer", 16);
    listenFd_ = l.fd;
    port_ = l.port;
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    ::shutdown(listenFd_, SHUT_RDWR);
    acceptThread_.join();
    ::close(listenFd_);
    {
        std::lock_guard lock(mutex_);
        for (int fd : clientFds_) {
            ::shutdown(fd, SHUT_RDWR);
        }
    }
    for (auto& t : workers_) {
        t.join();
    }
}

QByteArray LocalHttpServer::url(const QByteArray& path) const {
    return "http://127.0.0.1:" + QByteArray::number(port_) + path;
}

QStringList LocalHttpServer::paths() const {
    std::lock_guard lock(mutex_);
    return paths_;
}

int LocalHttpServer::closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        std::perror("LocalHttpServer: bind on 127.0.0.1");
        std::abort();
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

QByteArray LocalHttpServer::response(const QByteArray& status, const QByteArray& body,
                                     const QByteArray& contentType) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

void LocalHttpServer::acceptLoop() {
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) {
            continue;
        }
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        std::lock_guard lock(mutex_);
        clientFds_.push_back(fd);
        workers_.emplace_back([this, fd] { serve(fd); });
    }
}

void LocalHttpServer::serve(int fd) {
    QByteArray request;
    while (!stopping_ && !request.contains("\r\n\r\n")) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) {
            continue;
        }
        char buf[4096];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) {
            break;
        }
        request.append(buf, n);
    }
    if (!stopping_ && request.contains("\r\n\r\n")) {
        const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
        const QByteArray path = first.size() > 1 ? first[1] : QByteArray();
        {
            std::lock_guard lock(mutex_);
            paths_.append(QString::fromLatin1(path));
        }
        handler_(path, Connection{fd, stopping_});
    }
    ::shutdown(fd, SHUT_RDWR);
    std::lock_guard lock(mutex_);
    std::erase(clientFds_, fd);
    ::close(fd);
}

} // namespace vellaro::testing
