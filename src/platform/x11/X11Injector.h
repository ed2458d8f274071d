#pragma once

#include "platform/InputInjector.h"

#include <QByteArray>

typedef struct _XDisplay Display; // NOLINT(bugprone-reserved-identifier): Xlib's own name

namespace vellaro::x11 {

// Pointer and keys through the XTest extension, on a connection of its own so it
// works whatever Qt's platform plugin is. The connection is made on first use, so the
// program's start does not wait for it. Every call waits until the X server has
// taken the events in. Without a display or without XTest it does nothing.
class X11Injector : public InputInjector {
  public:
    // Empty: the display named by DISPLAY.
    explicit X11Injector(QByteArray displayName = {});
    ~X11Injector() override;
    X11Injector(const X11Injector&) = delete;
    X11Injector& operator=(const X11Injector&) = delete;

    // Connects on the first call; true when pointer and keys can be injected.
    bool usable() const;

    QPoint cursorPos() const override;
    void setCursorPos(int x, int y) override;
    void mouse(MouseAction action) override;
    void sendKeys(const QString& keys) override;

  private:
    // The display, connected on the first call; null where there is none.
    Display* display() const;
    void tapKeysym(unsigned long keysym);
    unsigned char scratchKeycode();

    QByteArray displayName_;
    mutable bool tried_ = false;
    mutable Display* display_ = nullptr;
    mutable bool xtest_ = false;
    unsigned char scratch_ = 0;
    unsigned long lent_ = 0; // the symbol the scratch key carries, 0 for none
};

} // namespace vellaro::x11
