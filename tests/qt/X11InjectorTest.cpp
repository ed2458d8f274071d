#include "platform/x11/X11Injector.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

// Xlib's macros clash with Qt's names: Qt comes first.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

using namespace vellaro;

namespace {

// An X server of the test's own, so the injected input lands nowhere else.
class OwnXServer {
  public:
    OwnXServer() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            return;
        }
        installed_ = true;
        // The server picks a free display itself and tells its number once it is up,
        // so tests running side by side never meet on one display.
        server_.start(xvfb,
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("640x480x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray number;
        for (int i = 0; i < 100 && !number.endsWith('\n'); ++i) {
            if (!server_.waitForReadyRead(100) && server_.state() == QProcess::NotRunning) {
                break;
            }
            number += server_.readAllStandardOutput();
        }
        if (number.trimmed().isEmpty()) {
            problem_ = server_.readAllStandardError();
            if (problem_.isEmpty()) {
                problem_ = server_.errorString().toLocal8Bit();
            }
            return;
        }
        name_ = ":" + number.trimmed();
    }
    ~OwnXServer() {
        server_.terminate();
        server_.waitForFinished(3000);
    }
    bool installed() const { return installed_; }
    // Empty when the server did not come up; problem() then says why.
    const QByteArray& name() const { return name_; }
    const QByteArray& problem() const { return problem_; }

  private:
    QProcess server_;
    bool installed_ = false;
    QByteArray name_;
    QByteArray problem_;
};

// A plain X window that takes the focus and records what reaches it.
class Listener {
  public:
    explicit Listener(const QByteArray& display) : d_(XOpenDisplay(display.constData())) {
        win_ = XCreateSimpleWindow(d_, DefaultRootWindow(d_), 0, 0, 300, 300, 0, 0, 0);
        XSelectInput(d_, win_,
                     KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
        XMapWindow(d_, win_);
        XEvent ev;
        do {
            XNextEvent(d_, &ev);
        } while (ev.type != MapNotify);
        XSetInputFocus(d_, win_, RevertToParent, CurrentTime);
        XSync(d_, False);
    }
    ~Listener() { XCloseDisplay(d_); }

    // Everything that arrived, as short words: "press1@50,60", "key:F11".
    QStringList take() {
        QStringList out;
        XSync(d_, False);
        while (XPending(d_) > 0) {
            XEvent ev;
            XNextEvent(d_, &ev);
            if (ev.type == MappingNotify) {
                XRefreshKeyboardMapping(&ev.xmapping);
            } else if (ev.type == ButtonPress || ev.type == ButtonRelease) {
                out << QStringLiteral("%1%2@%3,%4")
                           .arg(ev.type == ButtonPress ? "press" : "release")
                           .arg(ev.xbutton.button)
                           .arg(ev.xbutton.x)
                           .arg(ev.xbutton.y);
            } else if (ev.type == KeyPress) {
                char buf[8] = {};
                KeySym sym = NoSymbol;
                XLookupString(&ev.xkey, buf, sizeof buf, &sym, nullptr);
                if (IsModifierKey(sym)) {
                    continue;
                }
                out << QStringLiteral("key:") + QString::fromLatin1(XKeysymToString(sym));
            }
        }
        return out;
    }

  private:
    Display* d_;
    Window win_ = 0;
};

} // namespace

TEST(X11Injector, MovesClicksAndTypesIntoTheFocusedWindow) {
    OwnXServer server;
    if (!server.installed()) {
        GTEST_SKIP() << "Xvfb is not installed (package xvfb): no X server of our own to type into";
    }
    // Installed but not running is a fault of this machine, not a missing prerequisite.
    ASSERT_FALSE(server.name().isEmpty())
        << "Xvfb did not come up: " << server.problem().constData();
    x11::X11Injector input(server.name());
    ASSERT_TRUE(input.usable());
    Listener window(server.name());

    input.setCursorPos(123, 234);
    EXPECT_EQ(input.cursorPos(), QPoint(123, 234));

    input.setCursorPos(50, 60);
    input.mouse(MouseAction::LeftDown);
    input.mouse(MouseAction::LeftUp);
    input.mouse(MouseAction::RightDown);
    input.mouse(MouseAction::RightUp);
    EXPECT_EQ(window.take(),
              (QStringList{"press1@50,60", "release1@50,60", "press3@50,60", "release3@50,60"}));

    input.sendKeys(QString::fromUtf8("{F11}aB!{ENTER}{F12 2}ä"));
    EXPECT_EQ(window.take(), (QStringList{"key:F11", "key:a", "key:B", "key:exclam", "key:Return",
                                          "key:F12", "key:F12", "key:adiaeresis"}));
}

TEST(X11Injector, WithoutADisplayNothingHappensAndNothingBreaks) {
    x11::X11Injector input(":9999");
    EXPECT_FALSE(input.usable());
    input.setCursorPos(1, 2);
    input.mouse(MouseAction::LeftDown);
    input.sendKeys(QStringLiteral("{F11}"));
    EXPECT_EQ(input.cursorPos(), QPoint());
}
