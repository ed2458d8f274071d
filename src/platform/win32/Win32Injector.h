#pragma once

#include "platform/InputInjector.h"

namespace vellaro::win32 {

// Pointer and keys through user32: GetCursorPos, SetCursorPos and SendInput.
class Win32Injector : public InputInjector {
  public:
    QPoint cursorPos() const override;
    void setCursorPos(int x, int y) override;
    void mouse(MouseAction action) override;
    void sendKeys(const QString& keys) override;
};

} // namespace vellaro::win32
