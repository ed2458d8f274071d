// Starts a program and tells how long it took until its first top-level window was
// mapped (milliseconds) and the peak resident memory of the process (KiB):
//   startup_probe PROGRAM ARGS...   ->   "<ms> <kib>"
// The program is ended with SIGTERM half a second after the window came up, so
// the peak includes the first paint. Needs an X display without a window manager
// (a reparenting manager would take the map notifications of top-level windows).
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_probe PROGRAM ARGS...\n", stderr);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        std::fputs("startup_probe: cannot open the display\n", stderr);
        return 3;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double ms = -1;
    const int fd = ConnectionNumber(d);
    while (ms < 0) {
        while (XPending(d) > 0) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count();
                break;
            }
        }
        if (ms >= 0) {
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fputs("startup_probe: the program ended before it showed a window\n", stderr);
            return 4;
        }
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        timeval tv{0, 20000};
        select(fd + 1, &in, nullptr, nullptr, &tv);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
    XCloseDisplay(d);
    return 0;
}
