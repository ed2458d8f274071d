// A small X client of the end-to-end tests. "target" stands where the ATC client's
// aircraft would be and writes every click and key that reaches it; "act" plays the
// user at the real console: it finds windows, moves the pointer, clicks and types
// through XTest, and reads pixels. The display is the one named by DISPLAY. "atc"
// plays the ATC client's local interface on 127.0.0.1 (no display needed).
#include "../support/AtcStandIn.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <signal.h>
#include <string>
#include <thread>

namespace {

int usage() {
    std::fputs("usage: xhelper target X Y W H\n"
               "       xhelper act STEP...   (wait=TITLE focus=TITLE move=X,Y click key=NAME\n"
               "                              resize=TITLE,W where pixel=X,Y sleep=MS)\n"
               "       xhelper atc ANSWERS   (lines \"request<TAB>answer\"; no answer: hang)\n",
               stderr);
    return 2;
}

Display* openDisplay() {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        std::fputs("xhelper: cannot open the display\n", stderr);
        std::exit(3);
    }
    return d;
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int target(int x, int y, int w, int h) {
    Display* d = openDisplay();
    const Window win = XCreateSimpleWindow(d, DefaultRootWindow(d), x, y, unsigned(w), unsigned(h),
                                           0, 0, WhitePixel(d, DefaultScreen(d)));
    XStoreName(d, win, "target");
    XSelectInput(d, win, KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
    XMapWindow(d, win);
    for (;;) {
        XEvent ev;
        XNextEvent(d, &ev);
        switch (ev.type) {
        case MapNotify:
            std::printf("ready\n");
            break;
        case MappingNotify:
            XRefreshKeyboardMapping(&ev.xmapping);
            break;
        case ButtonPress:
            // There is no window manager: take the focus on a click as one would.
            XSetInputFocus(d, win, RevertToParent, CurrentTime);
            XSync(d, False);
            std::printf("press %u %d %d\n", ev.xbutton.button, ev.xbutton.x_root,
                        ev.xbutton.y_root);
            break;
        case ButtonRelease:
            std::printf("release %u %d %d\n", ev.xbutton.button, ev.xbutton.x_root,
                        ev.xbutton.y_root);
            break;
        case KeyPress: {
            char buf[8] = {};
            KeySym sym = NoSymbol;
            XLookupString(&ev.xkey, buf, sizeof buf, &sym, nullptr);
            if (!IsModifierKey(sym)) {
                const char* name = XKeysymToString(sym);
                std::printf("key %s\n", name != nullptr ? name : "?");
            }
            break;
        }
        default:
            break;
        }
        std::fflush(stdout);
    }
}

std::string windowName(Display* d, Window w) {
    for (const char* prop : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, w, XInternAtom(d, prop, False), 0, 1024, False, AnyPropertyType,
                               &type, &format, &count, &after, &data) == Success &&
            data != nullptr) {
            std::string name(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (format == 8 && !name.empty()) {
                return name;
            }
        }
    }
    return {};
}

// The viewable top-level window whose title begins with the prefix, or 0.
Window findWindow(Display* d, const std::string& prefix) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n) == 0) {
        return 0;
    }
    for (unsigned int i = 0; i < n && found == 0; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) != 0 && a.map_state == IsViewable &&
            windowName(d, children[i]).rfind(prefix, 0) == 0) {
            found = children[i];
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Window needWindow(Display* d, const std::string& prefix) {
    const Window w = findWindow(d, prefix);
    if (w == 0) {
        std::fprintf(stderr, "xhelper: no window \"%s\"\n", prefix.c_str());
        std::exit(4);
    }
    return w;
}

int act(int argc, char** argv) {
    Display* d = openDisplay();
    for (int i = 0; i < argc; ++i) {
        const std::string step = argv[i];
        const auto eq = step.find('=');
        const std::string verb = step.substr(0, eq);
        const std::string arg = eq == std::string::npos ? std::string() : step.substr(eq + 1);
        if (verb == "wait") {
            for (int t = 0; t < 150 && findWindow(d, arg) == 0; ++t) {
                sleepMs(100);
            }
            needWindow(d, arg);
        } else if (verb == "focus") {
            XSetInputFocus(d, needWindow(d, arg), RevertToParent, CurrentTime);
        } else if (verb == "move") {
            int x = 0;
            int y = 0;
            if (std::sscanf(arg.c_str(), "%d,%d", &x, &y) != 2) {
                return usage();
            }
            XTestFakeMotionEvent(d, DefaultScreen(d), x, y, CurrentTime);
        } else if (verb == "click") {
            XTestFakeButtonEvent(d, 1, True, CurrentTime);
            XTestFakeButtonEvent(d, 1, False, CurrentTime);
        } else if (verb == "key") {
            const KeyCode code = XKeysymToKeycode(d, XStringToKeysym(arg.c_str()));
            if (code == 0) {
                std::fprintf(stderr, "xhelper: no key %s\n", arg.c_str());
                return 5;
            }
            XTestFakeKeyEvent(d, code, True, CurrentTime);
            XTestFakeKeyEvent(d, code, False, CurrentTime);
        } else if (verb == "resize") {
            const auto comma = arg.rfind(',');
            if (comma == std::string::npos) {
                return usage();
            }
            const Window w = needWindow(d, arg.substr(0, comma));
            XWindowAttributes a;
            XGetWindowAttributes(d, w, &a);
            XResizeWindow(d, w, unsigned(std::atoi(arg.c_str() + comma + 1)), unsigned(a.height));
        } else if (verb == "where") {
            Window root = 0;
            Window child = 0;
            int x = 0;
            int y = 0;
            int wx = 0;
            int wy = 0;
            unsigned int mask = 0;
            XQueryPointer(d, DefaultRootWindow(d), &root, &child, &x, &y, &wx, &wy, &mask);
            std::printf("%d %d\n", x, y);
        } else if (verb == "pixel") {
            int x = 0;
            int y = 0;
            if (std::sscanf(arg.c_str(), "%d,%d", &x, &y) != 2) {
                return usage();
            }
            XImage* img = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
            if (img == nullptr) {
                return 6;
            }
            std::printf("%06lx\n", XGetPixel(img, 0, 0) & 0xFFFFFFUL);
            XDestroyImage(img);
        } else if (verb == "sleep") {
            XSync(d, False);
            sleepMs(std::atoi(arg.c_str()));
        } else {
            return usage();
        }
        XSync(d, False);
    }
    XCloseDisplay(d);
    return 0;
}

// Answers each request line as the file says, "@ERR;REQUEST;Unknown command" when it
// says nothing, and not at all when its answer is "hang". Prints "port N", then
// every request line, until it is ended.
int atc(const char* answersFile) {
    // Ended by a signal, taken here, so the server's threads wind down in order.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::map<std::string, std::string> answers;
    std::ifstream in(answersFile);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos) {
            answers[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    vellaro::testing::AtcStandIn server([&](const std::string& request) {
        std::printf("%s\n", request.c_str());
        std::fflush(stdout);
        const auto it = answers.find(request);
        if (it == answers.end()) {
            return vellaro::testing::AtcStandIn::Reply{{"@ERR;" + request + ";Unknown command"}};
        }
        if (it->second == "hang") {
            return vellaro::testing::AtcStandIn::Reply{};
        }
        return vellaro::testing::AtcStandIn::Reply{{it->second}};
    });
    std::printf("port %d\n", server.port());
    std::fflush(stdout);
    int sig = 0;
    sigwait(&set, &sig);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "atc") == 0) {
        return atc(argv[2]);
    }
    if (argc >= 6 && std::strcmp(argv[1], "target") == 0) {
        return target(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                      std::atoi(argv[5]));
    }
    if (argc >= 2 && std::strcmp(argv[1], "act") == 0) {
        return act(argc - 2, argv + 2);
    }
    return usage();
}
