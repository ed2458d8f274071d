#pragma once

#include "platform/qt/ControlView.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace vellaro::qt {

// Key presses become the control's key events and, for characters, the control's
// own typing, which inserts at the caret and raises the change; the widget only
// shows what the control then holds. Edits Qt makes itself (paste, cut, delete)
// are handed to the control as the user's text with the caret where Qt left it.
class BoxEdit : public QLineEdit, public ControlView {
  public:
    BoxEdit(TextBox& box, QWidget* parent);
    QWidget* widget() override { return this; }
    TextBox& box() const { return static_cast<TextBox&>(control()); }

  protected:
    void syncOwn(Prop p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    ClickRouter clicks_;
    bool syncing_ = false;
};

// Multi-line boxes: the control's lines end in CR LF, the widget's in LF; caret
// positions are translated between the two.
class BoxMemo : public QPlainTextEdit, public ControlView {
  public:
    BoxMemo(TextBox& box, QWidget* parent);
    QWidget* widget() override { return this; }
    TextBox& box() const { return static_cast<TextBox&>(control()); }

    static QString toView(const QString& text);
    static int toViewPos(const QString& text, int pos);
    static int toModelPos(const QString& text, int viewPos);

  protected:
    void syncOwn(Prop p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void userEdited();
    ClickRouter clicks_;
    bool syncing_ = false;
};

// Routes one key press into a text box; false when Qt should handle the key itself
// (moving the caret, shortcuts such as copy and paste, Delete).
bool routeTypedKey(TextBox& box, QKeyEvent& e, bool hasSelection, int selStart, int selEnd);

// The fixed-width bold face of boxes whose columns must line up.
QFont fixedBoldFont();

// Text size for a box of this height: big boxes show big figures.
int boxFontPixels(int heightPx);

} // namespace vellaro::qt
