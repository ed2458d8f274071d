#pragma once

#include "platform/Prop.h"
#include "platform/qt/WindowHost.h"

#include <QFont>
#include <QObject>
#include <QRect>

#include <array>
#include <memory>

class QWidget;

namespace vellaro {
class Console;
class Control;
class Form;
} // namespace vellaro

namespace vellaro::qt {

class ControlView;
class FormView;

// The console's five windows on the screen, and the input focus kept in step
// between the widgets and the forms in both directions.
class FrontEnd : public QObject, public WindowHost {
  public:
    explicit FrontEnd(Console& console);
    ~FrontEnd() override;

    FormView& view(const Form& form) const;
    ControlView* viewOf(const Control& control) const;

    // Liberation Sans at 11 pixels, in place of the 8 point interface font of the layout.
    QFont consoleFont() const override { return font_; }
    // The same for the whole program, message boxes included.
    static QFont classicFont();

    QRect screenArea() const override;
    void showFocus(ControlView& view) override;
    void windowClosed(FormView& view) override;

  private:
    // Built on first use: windows that are never shown cost nothing at start-up.
    FormView& build(std::size_t i) const;
    void formChanged(std::size_t i, Control* c, Prop p);
    void focusChanged(QWidget* now);
    void adoptFocus(QWidget* now);

    Console& console_;
    QFont font_;
    mutable std::array<std::unique_ptr<FormView>, 5> views_;
    bool showingFocus_ = false;
};

} // namespace vellaro::qt
