#pragma once

#include "platform/Control.h"
#include "platform/Twips.h"

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QTimer>

#include <optional>

class QKeyEvent;
class QWidget;

namespace vellaro::qt {

inline int toPixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

// &HBBGGRR to a colour; the platform's own colour (nothing) for kDefaultColour, and
// the palette's colour for the classic system colours (&H800000xx).
std::optional<QColor> toQColor(Colour c, const QPalette& palette);

// The classic virtual key code of a key (F1 = 112, Enter = 13, A = 65), 0 if none.
int virtualKeyCode(const QKeyEvent& e);
// The character code a key types (Enter 13, Backspace 8, Escape 27), 0 if none.
int characterCode(const QKeyEvent& e);

// Turns mouse presses, releases and double clicks into the control's events. When
// the control has a double-click handler a click waits for the double-click time,
// so a double click never runs the click first.
class ClickRouter : public QObject {
  public:
    // secondClickCounts: the second click of a double click is a click of its own
    // where the control has no double-click handler (buttons).
    ClickRouter(Control& control, bool secondClickCounts);
    void press();
    void release();
    void doubleClick();

  private:
    Control& control_;
    bool secondClickCounts_;
    bool inDouble_ = false;
    QTimer pending_;
};

// A widget that shows one control of the console and is kept in step with it.
class ControlView {
  public:
    explicit ControlView(Control& control) : control_(control) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& control() const { return control_; }
    virtual QWidget* widget() = 0;
    // Brings the widget in step with one property of the control, or with all.
    void sync(Prop p);

    // The view of a widget or of one of its parents inside the window, if any.
    static ControlView* of(QWidget* w);

  protected:
    // The kind's own properties (text, caption, value, colours ...); never All.
    virtual void syncOwn(Prop p) = 0;
    // Fore and back colour through the palette roles the widget draws with.
    void applyColours(QPalette::ColorRole fore, QPalette::ColorRole back, bool fillBack);

  private:
    Control& control_;
};

} // namespace vellaro::qt
