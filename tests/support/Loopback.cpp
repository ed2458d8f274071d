#include "Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vellaro::testing {

LoopbackListener listenOnLoopback(const char* who, int backlog) {
    LoopbackListener l;
    l.fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(l.fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (::bind(l.fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(l.fd, backlog) != 0) {
        std::perror((std::string(who) + ": bind/listen on 127.0.0.1").c_str());
        std::abort();
    }
    socklen_t len = sizeof addr;
    ::getsockname(l.fd, reinterpret_cast<sockaddr*>(&addr), &len);
    l.port = ntohs(addr.sin_port);
    return l;
}

} // namespace vellaro::testing
