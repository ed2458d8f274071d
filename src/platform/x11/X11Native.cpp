#include "platform/qt/NativeBackend.h"
#include "platform/x11/X11Injector.h"

#include <QDir>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>

// Xlib's macros clash with Qt's names: Qt comes first.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vellaro::native {

std::unique_ptr<InputInjector> createInputInjector() {
    return std::make_unique<x11::X11Injector>();
}

std::jthread warmUpFonts() {
    // Qt reads fontconfig's files the first time a widget measures its text; fontconfig
    // is in the process already (Qt's GUI library links it) and its start-up is
    // thread-safe, so it may as well run beside the display connection.
    using Init = int (*)();
    auto* init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init == nullptr) {
        return {};
    }
    return std::jthread([init] { init(); });
}

void prepareInputInjector(InputInjector& input) {
    auto* x11 = dynamic_cast<x11::X11Injector*>(&input);
    if (x11 != nullptr && !x11->usable()) {
        // The console works without it; only the macros and the typed release cannot.
        std::fputs("Vellaro: Keine X11-Anzeige mit XTest (etwa eine Wayland-Sitzung ohne "
                   "XWayland): die Tasten F1 bis F8 und die getippte Freigabe tun nichts.\n"
                   "Vellaro: no X11 display with XTest (for example a Wayland session without "
                   "XWayland): F1 to F8 and the typed release do nothing.\n",
                   stderr);
    }
}

bool setTopMost(QWindow& window, bool on) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr || !window.isVisible()) {
        return false;
    }
    Display* d = x11->display();
    const auto win = static_cast<Window>(window.winId());
    // The window manager's way: ask it to add or remove the "above" state.
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = win;
    ev.xclient.message_type = XInternAtom(d, "_NET_WM_STATE", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = on ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
    ev.xclient.data.l[1] = long(XInternAtom(d, "_NET_WM_STATE_ABOVE", False));
    ev.xclient.data.l[2] = 0;
    ev.xclient.data.l[3] = 1; // from an application
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &ev);
    if (on) {
        XRaiseWindow(d, win); // without a window manager nobody else would
    }
    XFlush(d);
    return true;
}

namespace {

// The bare connection: Xlib's would add its own requests and their answers, a
// millisecond of the start-up.
bool reachable() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return ok;
}

} // namespace

QString missingDisplayMessage() {
    // Whoever names a platform plugin knows what they are doing (offscreen, xcb ...).
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return {};
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    QString de;
    QString en;
    if (display.isEmpty()) {
        de = QStringLiteral("DISPLAY ist nicht gesetzt");
        en = QStringLiteral("DISPLAY is not set");
    } else if (reachable()) {
        return {};
    } else {
        de = QString::fromUtf8("DISPLAY=%1 ist nicht erreichbar").arg(display);
        en = QStringLiteral("DISPLAY=%1 cannot be reached").arg(display);
    }
    return QString::fromUtf8("Vellaro braucht eine grafische Anzeige (X11 oder Wayland): %1.\n"
                             "Ohne Bildschirm startet die Konsole unter Xvfb, zum Beispiel so:\n"
                             "    xvfb-run -a ./vellaro\n\n"
                             "Vellaro needs a graphical display (X11 or Wayland): %2.\n"
                             "Without a screen, start it under Xvfb, for example:\n"
                             "    xvfb-run -a ./vellaro\n")
        .arg(de, en);
}

QString proControllerMacroFile() {
    // The ATC client runs under Wine here; its folder is the Windows one inside the prefix.
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty()) {
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    }
    return prefix + QStringLiteral("/drive_c/Programme/ProController/shortcut.txt");
}

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char b = 1;
    // Only a write is safe here; the event loop does the rest.
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], &b, 1);
}

} // namespace

void onTerminationRequest(std::function<void()> onTerminate) {
    if (g_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [fn = std::move(onTerminate)] {
                         char b = 0;
                         [[maybe_unused]] const auto n = ::read(g_signalPipe[0], &b, 1);
                         fn();
                     });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(sig, &sa, nullptr);
    }
}

} // namespace vellaro::native
