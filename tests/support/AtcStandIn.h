#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vellaro::testing {

// Plays the ATC client's local interface on 127.0.0.1, on threads of its own: reads
// request lines ended by CR LF and answers each as the handler says.
class AtcStandIn {
  public:
    struct Reply {
        std::vector<std::string> lines; // sent in order, each with CR LF; none: no answer
        bool close = false;             // then the connection is closed
    };
    using Handler = std::function<Reply(const std::string& request)>;

    explicit AtcStandIn(Handler handler);
    ~AtcStandIn();
    AtcStandIn(const AtcStandIn&) = delete;
    AtcStandIn& operator=(const AtcStandIn&) = delete;

    int port() const { return port_; }
    // Every request line so far, in order.
    std::vector<std::string> requests() const;
    // Connections accepted so far.
    int connections() const { return connections_; }
    // Closes every open connection (the client was shut).
    void dropAll();

  private:
    void acceptLoop();
    void serve(int fd);

    Handler handler_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    std::thread acceptThread_;
    mutable std::mutex mutex_;
    std::vector<std::thread> workers_;
    std::vector<int> clientFds_;
    std::vector<std::string> requests_;
};

} // namespace vellaro::testing
