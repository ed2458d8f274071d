#pragma once

#include <QPoint>
#include <QString>

namespace vellaro {

enum class MouseAction { LeftDown, LeftUp, RightDown, RightUp };

// Simulated pointer and keyboard input into whatever window lies under the pointer
// or has the keyboard focus. Screen coordinates in pixels.
class InputInjector {
  public:
    virtual ~InputInjector() = default;
    virtual QPoint cursorPos() const = 0;
    virtual void setCursorPos(int x, int y) = 0;
    // One button transition at the current pointer position.
    virtual void mouse(MouseAction action) = 0;
    // Types a key string in brace notation ("{F11}", "{ENTER}", "Released") and
    // waits until it has been processed.
    virtual void sendKeys(const QString& keys) = 0;
};

} // namespace vellaro
