#pragma once

#include <cstdint>

namespace vellaro::testing {

// A TCP socket listening on 127.0.0.1 at a port the system chose. A test server that
// cannot listen cannot mean anything: it stops the test at once, saying who failed.
struct LoopbackListener {
    int fd = -1;
    std::uint16_t port = 0;
};
LoopbackListener listenOnLoopback(const char* who, int backlog);

} // namespace vellaro::testing
