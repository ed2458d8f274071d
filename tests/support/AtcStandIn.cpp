#include "AtcStandIn.h"

#include "Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vellaro::testing {

AtcStandIn::AtcStandIn(Handler handler) : handler_(std::move(handler)) {
    const LoopbackListener l = listenOnLoopback("AtcStandIn", 8);
    listenFd_ = l.fd;
    port_ = l.port;
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

AtcStandIn::~AtcStandIn() {
    stopping_ = true;
    acceptThread_.join();
    ::close(listenFd_);
    std::vector<std::thread> workers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        workers.swap(workers_);
    }
    for (std::thread& t : workers) {
        t.join();
    }
}

std::vector<std::string> AtcStandIn::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void AtcStandIn::dropAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int fd : clientFds_) {
        ::shutdown(fd, SHUT_RDWR);
    }
}

void AtcStandIn::acceptLoop() {
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        ++connections_;
        std::lock_guard<std::mutex> lock(mutex_);
        clientFds_.push_back(fd);
        workers_.emplace_back([this, fd] { serve(fd); });
    }
}

void AtcStandIn::serve(int fd) {
    std::string buffer;
    bool open = true;
    while (open && !stopping_) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        char chunk[512];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            break;
        }
        buffer.append(chunk, size_t(n));
        std::size_t end = 0;
        while (open && (end = buffer.find("\r\n")) != std::string::npos) {
            const std::string request = buffer.substr(0, end);
            buffer.erase(0, end + 2);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
            }
            const Reply reply = handler_(request);
            std::string out;
            for (const std::string& line : reply.lines) {
                out += line + "\r\n";
            }
            if (!out.empty()) {
                ::send(fd, out.data(), out.size(), MSG_NOSIGNAL);
            }
            open = !reply.close;
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    clientFds_.erase(std::remove(clientFds_.begin(), clientFds_.end(), fd), clientFds_.end());
    ::close(fd);
}

} // namespace vellaro::testing
