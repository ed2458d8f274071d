#include "platform/win32/Win32Injector.h"

#include "platform/qt/KeyNotation.h"

#include <QHash>

#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace vellaro::win32 {

namespace {

WORD namedKey(const QString& name) {
    static const QHash<QString, WORD> names = {
        {QStringLiteral("ENTER"), VK_RETURN},      {QStringLiteral("TAB"), VK_TAB},
        {QStringLiteral("ESC"), VK_ESCAPE},        {QStringLiteral("ESCAPE"), VK_ESCAPE},
        {QStringLiteral("BACKSPACE"), VK_BACK},    {QStringLiteral("BS"), VK_BACK},
        {QStringLiteral("BKSP"), VK_BACK},         {QStringLiteral("DELETE"), VK_DELETE},
        {QStringLiteral("DEL"), VK_DELETE},        {QStringLiteral("INSERT"), VK_INSERT},
        {QStringLiteral("INS"), VK_INSERT},        {QStringLiteral("HOME"), VK_HOME},
        {QStringLiteral("END"), VK_END},           {QStringLiteral("PGUP"), VK_PRIOR},
        {QStringLiteral("PGDN"), VK_NEXT},         {QStringLiteral("UP"), VK_UP},
        {QStringLiteral("DOWN"), VK_DOWN},         {QStringLiteral("LEFT"), VK_LEFT},
        {QStringLiteral("RIGHT"), VK_RIGHT},       {QStringLiteral("BREAK"), VK_CANCEL},
        {QStringLiteral("CAPSLOCK"), VK_CAPITAL},  {QStringLiteral("NUMLOCK"), VK_NUMLOCK},
        {QStringLiteral("SCROLLLOCK"), VK_SCROLL}, {QStringLiteral("PRTSC"), VK_SNAPSHOT},
        {QStringLiteral("HELP"), VK_HELP},
    };
    if (auto it = names.find(name); it != names.end()) {
        return it.value();
    }
    if (name.size() >= 2 && name.at(0) == QLatin1Char('F')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24) {
            return WORD(VK_F1 + (n - 1));
        }
    }
    return 0;
}

INPUT keyInput(WORD vk, WORD scan, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    return in;
}

void send(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> v(inputs);
    SendInput(UINT(v.size()), v.data(), sizeof(INPUT));
}

void tapVirtualKey(WORD vk, bool shift, bool ctrl, bool alt) {
    std::vector<INPUT> v;
    const WORD scan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    if (shift) {
        v.push_back(keyInput(VK_SHIFT, 0, 0));
    }
    if (ctrl) {
        v.push_back(keyInput(VK_CONTROL, 0, 0));
    }
    if (alt) {
        v.push_back(keyInput(VK_MENU, 0, 0));
    }
    v.push_back(keyInput(vk, scan, 0));
    v.push_back(keyInput(vk, scan, KEYEVENTF_KEYUP));
    if (alt) {
        v.push_back(keyInput(VK_MENU, 0, KEYEVENTF_KEYUP));
    }
    if (ctrl) {
        v.push_back(keyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP));
    }
    if (shift) {
        v.push_back(keyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    }
    SendInput(UINT(v.size()), v.data(), sizeof(INPUT));
}

void typeCharacter(QChar c) {
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
        tapVirtualKey(VK_RETURN, false, false, false);
        return;
    }
    // A key of the current layout where there is one, so older programs that only
    // read key codes see a real key; otherwise the character itself.
    const SHORT scan = VkKeyScanW(wchar_t(c.unicode()));
    if (scan != -1) {
        const int state = HIBYTE(scan);
        tapVirtualKey(LOBYTE(scan), (state & 1) != 0, (state & 2) != 0, (state & 4) != 0);
        return;
    }
    send({keyInput(0, WORD(c.unicode()), KEYEVENTF_UNICODE),
          keyInput(0, WORD(c.unicode()), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
}

// Lets the window that has the focus take the keys in before the next step runs,
// as the classic send-keys call did when asked to wait.
void waitUntilTaken() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(0, &info) && info.hwndFocus != nullptr) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(info.hwndFocus, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
    }
}

} // namespace

QPoint Win32Injector::cursorPos() const {
    POINT p{};
    if (!GetCursorPos(&p)) {
        return {};
    }
    return {int(p.x), int(p.y)};
}

void Win32Injector::setCursorPos(int x, int y) {
    SetCursorPos(x, y);
}

void Win32Injector::mouse(MouseAction action) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    switch (action) {
    case MouseAction::LeftDown:
        in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        break;
    case MouseAction::LeftUp:
        in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        break;
    case MouseAction::RightDown:
        in.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        break;
    case MouseAction::RightUp:
        in.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        break;
    }
    SendInput(1, &in, sizeof(INPUT));
}

void Win32Injector::sendKeys(const QString& keys) {
    for (const qt::KeyStroke& k : qt::parseKeyNotation(keys)) {
        if (k.named()) {
            if (const WORD vk = namedKey(k.name)) {
                tapVirtualKey(vk, false, false, false);
            }
        } else {
            typeCharacter(k.character);
        }
    }
    waitUntilTaken();
}

} // namespace vellaro::win32
