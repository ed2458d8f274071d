#pragma once

#include "platform/Event.h"
#include "platform/Prop.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace vellaro {

class Control;
class Form;
class TimerService;

// "Form1.Text7(2)": how a control is named in programming-error messages.
QString eventOwnerName(const Control& c);

// Colours are &HBBGGRR values; system colours keep their &H800000xx number.
using Colour = qint64;
inline constexpr Colour kDefaultColour = -1; // the platform's own colour, never set
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kLandingGreen = 0x00C000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kButtonFace = 0x8000000F;

// A property value as a boolean: true/false, 1/0 (and the classic -1 for true).
bool toBool(const QVariant& v);

enum class ControlKind {
    TextBox,
    Label,
    Button,
    CheckBox,
    ComboBox,
    PictureBox,
    Shape,
    Line,
    Timer
};

// One control of a window: the properties the handlers read and write, and the
// event slots they attach to. Every property write goes through a setter that
// notifies the window, so a front end can mirror it.
class Control {
  public:
    Control(Form& form, ControlKind kind, QString name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; } // -1 when not a member of a control array
    QString displayName() const;         // Text7(2), Command8

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    Colour foreColor() const { return foreColor_; }
    Colour backColor() const { return backColor_; }
    const QString& toolTip() const { return toolTip_; }
    // Lies above every other control of its window: a panel laid over the others.
    // Set when the window is built.
    bool inFront() const { return inFront_; }
    void setInFront(bool v) { inFront_ = v; }

    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setGeometry(int left, int top, int width, int height);
    void setVisible(bool v);
    void setEnabled(bool v);
    void setForeColor(Colour c);
    void setBackColor(Colour c);
    void setToolTip(const QString& t);

    // Generic access by the toolkit's property names (Text, Caption, Left, ...) or
    // by Prop. Reading gives an invalid QVariant for a property the kind lacks;
    // "List(i)" reads entry i of a drop-down list.
    QVariant property(const QString& name) const;
    QVariant property(Prop p) const { return read(p); }
    // Returns false for an unknown or read-only property.
    bool setProperty(const QString& name, const QVariant& value);
    bool setProperty(Prop p, const QVariant& value) { return write(p, value); }

    // Can the control take the input focus?
    virtual bool focusable() const { return false; }

    Event<> onClick{this, "Click"};
    Event<> onDblClick{this, "DblClick"};
    Event<> onMouseDown{this, "MouseDown"};
    Event<> onGotFocus{this, "GotFocus"};
    Event<> onLostFocus{this, "LostFocus"};
    Event<int> onKeyDown{this, "KeyDown"}; // the key code
    // The character code; the handler may set it to 0 to swallow the key.
    Event<int&> onKeyPress{this, "KeyPress"};

    // Raised by the user (front end or script).
    virtual void userClick();
    void userDblClick();
    void userMouseDown();
    void userKeyDown(int keyCode);
    virtual void userKeyPress(int keyAscii);

  protected:
    void changed(Prop p);
    // A kind's own properties; the base knows those every control has.
    virtual QVariant read(Prop p) const;
    virtual bool write(Prop p, const QVariant& value);
    // Entry i of a list property ("List(3)"); invalid where the kind has none.
    virtual QVariant readItem(Prop p, int i) const;

  private:
    Form& form_;
    ControlKind kind_;
    QString name_;
    int index_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Colour foreColor_ = kDefaultColour;
    Colour backColor_ = kDefaultColour;
    QString toolTip_;
    bool inFront_ = false;
};

class TextBox : public Control {
  public:
    TextBox(Form& form, QString name, int index = -1);

    const QString& text() const { return text_; }
    // A program write: fires the change slot at once when the text differs, caret to 0.
    void setText(const QString& t);
    int selStart() const { return selStart_; }
    void setSelStart(int pos); // clamped to the text length
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v) { multiLine_ = v; }
    bool scrollBars() const { return scrollBars_; }
    void setScrollBars(bool v) { scrollBars_ = v; }
    // A fixed-width bold face, for columns that must line up; set when the window is built.
    bool fixedBoldFont() const { return fixedBoldFont_; }
    void setFixedBoldFont(bool v) { fixedBoldFont_ = v; }

    // The user's edits: the text changes, the caret goes where the user left it,
    // then the change slot runs.
    void userSetText(const QString& t, int caret);
    void userType(const QString& chars); // one change per character, at the caret
    void userBackspace(int count);       // one change per deleted character
    void userKeyPress(int keyAscii) override;

    bool focusable() const override { return true; }

    Event<> onChange{this, "Change"};

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;

  private:
    void typeOne(QChar c);

    QString text_;
    int selStart_ = 0;
    bool multiLine_ = false;
    bool scrollBars_ = false;
    bool fixedBoldFont_ = false;
};

class Label : public Control {
  public:
    Label(Form& form, QString name, int index = -1);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool v) { transparent_ = v; }

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;

  private:
    QString caption_;
    bool transparent_ = false;
};

class Button : public Control {
  public:
    Button(Form& form, QString name, int index = -1);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    bool focusable() const override { return true; }
    // Enter or Space on a focused button raises its click.
    void userKeyPress(int keyAscii) override;

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;

  private:
    QString caption_;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, QString name, int index = -1);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    int value() const { return value_; }
    void setValue(int v);
    bool focusable() const override { return true; }
    // A click toggles the value, then the click slot runs.
    void userClick() override;
    void userKeyPress(int keyAscii) override;

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;

  private:
    QString caption_;
    int value_ = 0;
};

class ComboBox : public Control {
  public:
    ComboBox(Form& form, QString name, int index = -1);
    const QString& text() const { return text_; }
    void setText(const QString& t);
    const QStringList& list() const { return list_; }
    void addItem(const QString& item);
    int listIndex() const { return listIndex_; }
    void userSelect(int i); // picks entry i: text follows, then the click slot runs
    bool focusable() const override { return true; }

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;
    QVariant readItem(Prop p, int i) const override;

  private:
    QString text_;
    QStringList list_;
    int listIndex_ = -1;
};

// A picture box shows a chart: a picture file, or the built-in one when none loaded.
class PictureBox : public Control {
  public:
    PictureBox(Form& form, QString name, int index = -1);
    const QString& picturePath() const { return picturePath_; }
    const QString& builtinPicture() const { return builtinPicture_; }
    void setBuiltinPicture(const QString& resource, int naturalWidthTwips, int naturalHeightTwips);
    // The natural size of the current picture, in twips.
    int pictureWidth() const { return pictureWidth_; }
    int pictureHeight() const { return pictureHeight_; }
    void setPicture(const QString& path, int naturalWidthTwips, int naturalHeightTwips);

  private:
    QString picturePath_;
    QString builtinPicture_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};

enum class ShapeType { Rectangle, Circle };

class Shape : public Control {
  public:
    Shape(Form& form, QString name, int index = -1);
    ShapeType shapeType() const { return shapeType_; }
    void setShapeType(ShapeType t) { shapeType_ = t; }
    bool filled() const { return filled_; }
    void setFilled(bool v) { filled_ = v; }
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int px) { borderWidth_ = px; }
    // Shapes carry their owner control's name, e.g. Shape1 drawn on Picture2.
    const QString& container() const { return container_; }
    void setContainer(const QString& c) { container_ = c; }

  private:
    ShapeType shapeType_ = ShapeType::Rectangle;
    bool filled_ = true;
    int borderWidth_ = 1;
    QString container_;
};

// A thin separator line; no behaviour.
class Line : public Control {
  public:
    Line(Form& form, QString name, int index = -1);
};

// Timers: setting the interval (even to the same value) or enabling a disabled
// timer restarts its count; enabling an enabled timer changes nothing.
class Timer : public Control {
  public:
    Timer(Form& form, QString name, int index = -1);
    ~Timer() override;
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool isEnabled() const { return timerEnabled_; }
    void setTimerEnabled(bool on);
    // Runs the tick slot; called by the timer service when the interval has passed.
    void fire();

    Event<> onTimer{this, "Timer"};

  protected:
    QVariant read(Prop p) const override;
    bool write(Prop p, const QVariant& value) override;

  private:
    void reschedule();
    int interval_ = 0;
    bool timerEnabled_ = false;
};

} // namespace vellaro
