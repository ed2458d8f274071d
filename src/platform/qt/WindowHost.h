#pragma once

#include <QFont>
#include <QRect>

namespace vellaro::qt {

class ControlView;
class FormView;

// What a window's view asks of the front end that shows all the console's windows.
class WindowHost {
  public:
    virtual ~WindowHost() = default;

    // The font the console's windows are drawn in.
    virtual QFont consoleFont() const = 0;
    // The available area of the screen that holds the main window, in pixels: every
    // window is placed within it.
    virtual QRect screenArea() const = 0;
    // A form moved its focus: the widget follows, without echo.
    virtual void showFocus(ControlView& view) = 0;
    // The window system asks to close a window.
    virtual void windowClosed(FormView& view) = 0;

    // While the forms' changes are being shown, Qt's own focus moves wait.
    class SyncScope {
      public:
        explicit SyncScope(WindowHost& h) : h_(h) { ++h_.syncDepth_; }
        ~SyncScope() { --h_.syncDepth_; }
        SyncScope(const SyncScope&) = delete;
        SyncScope& operator=(const SyncScope&) = delete;

      private:
        WindowHost& h_;
    };

  protected:
    bool syncing() const { return syncDepth_ > 0; }

  private:
    int syncDepth_ = 0;
};

} // namespace vellaro::qt
