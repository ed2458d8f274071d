#pragma once

#include "platform/Form.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <unordered_map>
#include <vector>

namespace vellaro::qt {

class ControlView;
class WindowHost;

// One window of the console as a real top-level widget, with a child widget per
// control. Everything it shows comes from the form; the only way back is the
// user's input and the user moving the window.
class FormView : public QWidget {
  public:
    FormView(Form& form, WindowHost& host);
    ~FormView() override;

    Form& form() const { return form_; }
    // Builds the widgets still waiting beyond the window's edge when c is one of them.
    ControlView* viewOf(const Control& c);
    // Drawn from the top left corner over the back colour.
    void setBackgroundPicture(const QImage& picture);
    // The form changed (control, property; no control: the window's own).
    void changed(Control* c, Prop p);
    // Width and height of the window frame around the client area, in pixels.
    QSize frameExtra() const { return frameExtra_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Tab and Shift+Tab follow the form's own tab order.
    bool focusNextPrevChild(bool next) override;

  private:
    void buildControls();
    void buildPending();
    // Builds the waiting widgets once any of them would show in the window.
    void buildWhatShows();
    void raiseInFront();
    bool withinWindow(const Control& c) const;
    bool pending(const Control& c) const;
    void syncWindow(Prop p);
    void applyGeometry();
    void applyVisibility();
    void applyTopMost();
    void applyWindowState();
    void noteFrame();

    Form& form_;
    WindowHost& host_;
    std::unordered_map<const Control*, ControlView*> views_;
    // Every control that shows as a widget, bottom to top; those whose widget waits.
    std::vector<Control*> order_;
    std::vector<Control*> pending_;
    QImage background_;
    QSize frameExtra_{0, 0};
    QElapsedTimer sinceApplied_;
    // Where the window was put (frame, pixels): on the screen, so not always where
    // the form says.
    QPoint placed_;
    bool applying_ = false;
    bool adoptingUserMove_ = false;
};

} // namespace vellaro::qt
