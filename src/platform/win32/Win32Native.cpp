#include "platform/qt/NativeBackend.h"
#include "platform/win32/Win32Injector.h"

#include <QWindow>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace vellaro::native {

std::unique_ptr<InputInjector> createInputInjector() {
    return std::make_unique<win32::Win32Injector>();
}

std::jthread warmUpFonts() {
    return {}; // Windows keeps its fonts ready
}

void prepareInputInjector(InputInjector&) {
    // SendInput needs no connection of its own.
}

bool setTopMost(QWindow& window, bool on) {
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    if (hwnd == nullptr) {
        return false;
    }
    // Only the z-order changes: no move, no size, no activation.
    return SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != 0;
}

QString missingDisplayMessage() {
    return {}; // a Windows desktop always has one
}

QString proControllerMacroFile() {
    // Where the ATC client installs itself on a German Windows.
    return QStringLiteral("c:/Programme/ProController/shortcut.txt");
}

void onTerminationRequest(std::function<void()>) {
    // Windows ends a windowed program by closing its windows or through the end of
    // the session, both of which already run the console's shut-down.
}

} // namespace vellaro::native
