#pragma once

#include <vector>

#include "platform/qt/ControlView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace vellaro::qt {

// A label: word-wrapped caption at the top left; transparent ones let the window
// show through, opaque ones fill with their back colour.
class LabelView : public QLabel, public ControlView {
  public:
    LabelView(Label& label, QWidget* parent);
    QWidget* widget() override { return this; }

    // A header of blank-padded words is drawn word by word, each blank as wide as
    // the header's columns need: where each word stands, in the label's pixels.
    // Empty for any other label.
    struct Word {
        QString text;
        double left;
        double right;
    };
    std::vector<Word> headerWords() const;

  protected:
    void syncOwn(Prop p) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    ClickRouter clicks_;
    double blank_ = 0;
};

// A button: mouse clicks, and Enter or Space while it has the focus, click it.
class ButtonView : public QPushButton, public ControlView {
  public:
    ButtonView(Button& button, QWidget* parent);
    QWidget* widget() override { return this; }

    // Where the caption is drawn: the style's room for it, made as high as the
    // button where the layout's low buttons leave the style too little.
    QRect captionRect() const;

  protected:
    void syncOwn(Prop p) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    ClickRouter clicks_;
};

// A check box whose tick is the control's value; a click asks the control, which
// toggles the value and raises its click.
class CheckView : public QCheckBox, public ControlView {
  public:
    CheckView(CheckBox& check, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void syncOwn(Prop p) override;
    void nextCheckState() override {}
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    ClickRouter clicks_;
};

// A drop-down list with an editable text.
class ComboView : public QComboBox, public ControlView {
  public:
    ComboView(ComboBox& combo, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void syncOwn(Prop p) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool syncing_ = false;
};

// A picture box: its picture file, or the built-in chart, at its natural size from
// the top left corner.
class PictureView : public QWidget, public ControlView {
  public:
    PictureView(PictureBox& picture, QWidget* parent);
    QWidget* widget() override { return this; }
    const QImage& image() const { return image_; }

  protected:
    void syncOwn(Prop p) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    QImage image_;
    ClickRouter clicks_;
};

// A rectangle or ring drawn on the window or on the picture box it belongs to.
// Shapes and lines take no clicks: those reach the window behind them.
class ShapeView : public QWidget, public ControlView {
  public:
    ShapeView(Shape& shape, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void syncOwn(Prop p) override;
    void paintEvent(QPaintEvent* e) override;
};

class LineView : public QWidget, public ControlView {
  public:
    LineView(Line& line, QWidget* parent);
    QWidget* widget() override { return this; }

  protected:
    void syncOwn(Prop p) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace vellaro::qt
