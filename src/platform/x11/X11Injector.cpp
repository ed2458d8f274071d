#include "platform/x11/X11Injector.h"

#include "platform/qt/KeyNotation.h"

#include <QHash>
#include <QThread>

// Xlib's macros (Status, Bool, None) clash with Qt's names: Qt comes first.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace vellaro::x11 {

namespace {

unsigned long namedKeysym(const QString& name) {
    static const QHash<QString, unsigned long> names = {
        {QStringLiteral("ENTER"), XK_Return},
        {QStringLiteral("TAB"), XK_Tab},
        {QStringLiteral("ESC"), XK_Escape},
        {QStringLiteral("ESCAPE"), XK_Escape},
        {QStringLiteral("BACKSPACE"), XK_BackSpace},
        {QStringLiteral("BS"), XK_BackSpace},
        {QStringLiteral("BKSP"), XK_BackSpace},
        {QStringLiteral("DELETE"), XK_Delete},
        {QStringLiteral("DEL"), XK_Delete},
        {QStringLiteral("INSERT"), XK_Insert},
        {QStringLiteral("INS"), XK_Insert},
        {QStringLiteral("HOME"), XK_Home},
        {QStringLiteral("END"), XK_End},
        {QStringLiteral("PGUP"), XK_Page_Up},
        {QStringLiteral("PGDN"), XK_Page_Down},
        {QStringLiteral("UP"), XK_Up},
        {QStringLiteral("DOWN"), XK_Down},
        {QStringLiteral("LEFT"), XK_Left},
        {QStringLiteral("RIGHT"), XK_Right},
        {QStringLiteral("BREAK"), XK_Break},
        {QStringLiteral("CAPSLOCK"), XK_Caps_Lock},
        {QStringLiteral("NUMLOCK"), XK_Num_Lock},
        {QStringLiteral("SCROLLLOCK"), XK_Scroll_Lock},
        {QStringLiteral("PRTSC"), XK_Print},
        {QStringLiteral("HELP"), XK_Help},
    };
    if (auto it = names.find(name); it != names.end()) {
        return it.value();
    }
    if (name.size() >= 2 && name.at(0) == QLatin1Char('F')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24) {
            return XK_F1 + (n - 1);
        }
    }
    return NoSymbol;
}

unsigned long characterKeysym(QChar c) {
    const char16_t u = c.unicode();
    if (u == '\r' || u == '\n') {
        return XK_Return;
    }
    if (u == '\t') {
        return XK_Tab;
    }
    if ((u >= 0x20 && u <= 0x7E) || (u >= 0xA0 && u <= 0xFF)) {
        return u; // Latin-1 keysyms are the characters themselves
    }
    if (u < 0x20 || c.isSurrogate()) {
        return NoSymbol;
    }
    return 0x01000000UL | u;
}

} // namespace

X11Injector::X11Injector(QByteArray displayName) : displayName_(std::move(displayName)) {}

Display* X11Injector::display() const {
    if (!tried_) {
        tried_ = true;
        display_ = XOpenDisplay(displayName_.isEmpty() ? nullptr : displayName_.constData());
        if (display_ != nullptr) {
            int event = 0;
            int error = 0;
            int major = 0;
            int minor = 0;
            xtest_ = XTestQueryExtension(display_, &event, &error, &major, &minor) != 0;
        }
    }
    return display_;
}

bool X11Injector::usable() const {
    return display() != nullptr && xtest_;
}

X11Injector::~X11Injector() {
    if (display_ != nullptr) {
        if (lent_ != NoSymbol && scratch_ != 0) {
            KeySym none = NoSymbol;
            XChangeKeyboardMapping(display_, scratch_, 1, &none, 1);
        }
        XCloseDisplay(display_);
    }
}

QPoint X11Injector::cursorPos() const {
    if (display() == nullptr) {
        return {};
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX,
                  &winY, &mask);
    return {rootX, rootY};
}

void X11Injector::setCursorPos(int x, int y) {
    if (display() == nullptr) {
        return;
    }
    if (xtest_) {
        XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    } else {
        XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    }
    XSync(display_, False);
}

void X11Injector::mouse(MouseAction action) {
    if (!usable()) {
        return;
    }
    const bool left = action == MouseAction::LeftDown || action == MouseAction::LeftUp;
    const bool down = action == MouseAction::LeftDown || action == MouseAction::RightDown;
    XTestFakeButtonEvent(display_, left ? 1 : 3, down ? True : False, CurrentTime);
    XSync(display_, False);
}

unsigned char X11Injector::scratchKeycode() {
    if (scratch_ != 0) {
        return scratch_;
    }
    // A keycode without symbols, to lend to characters the keyboard map lacks.
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display_, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(display_, KeyCode(minCode), maxCode - minCode + 1, &perCode);
    if (map == nullptr) {
        return 0;
    }
    for (int code = maxCode; code >= minCode && scratch_ == 0; --code) {
        bool empty = true;
        for (int j = 0; j < perCode; ++j) {
            empty = empty && map[(code - minCode) * perCode + j] == NoSymbol;
        }
        if (empty) {
            scratch_ = static_cast<unsigned char>(code);
        }
    }
    XFree(map);
    return scratch_;
}

void X11Injector::tapKeysym(unsigned long keysym) {
    KeyCode code = XKeysymToKeycode(display_, keysym);
    bool shift = false;
    if (code != 0) {
        const KeySym plain = XkbKeycodeToKeysym(display_, code, 0, 0);
        const KeySym shifted = XkbKeycodeToKeysym(display_, code, 0, 1);
        if (plain != keysym) {
            if (shifted == keysym) {
                shift = true;
            } else {
                code = 0; // only on a level we cannot reach with Shift
            }
        }
    }
    if (code == 0) {
        code = scratchKeycode();
        if (code == 0) {
            return;
        }
        // The symbol stays lent until another one needs the key, so a program that
        // reads its keyboard map late still sees the right character.
        if (lent_ != keysym) {
            if (lent_ != NoSymbol) {
                QThread::msleep(30); // the last borrowed key may still be on its way
            }
            KeySym sym = keysym;
            XChangeKeyboardMapping(display_, code, 1, &sym, 1);
            XSync(display_, False);
            lent_ = keysym;
        }
    }
    const KeyCode shiftCode = XKeysymToKeycode(display_, XK_Shift_L);
    if (shift && shiftCode != 0) {
        XTestFakeKeyEvent(display_, shiftCode, True, CurrentTime);
    }
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shift && shiftCode != 0) {
        XTestFakeKeyEvent(display_, shiftCode, False, CurrentTime);
    }
    XSync(display_, False);
}

void X11Injector::sendKeys(const QString& keys) {
    if (!usable()) {
        return;
    }
    for (const qt::KeyStroke& k : qt::parseKeyNotation(keys)) {
        const unsigned long sym = k.named() ? namedKeysym(k.name) : characterKeysym(k.character);
        if (sym != NoSymbol) {
            tapKeysym(sym);
        }
    }
}

} // namespace vellaro::x11
