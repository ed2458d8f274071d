#include "platform/Control.h"

#include "platform/Form.h"
#include "platform/TimerService.h"

namespace vellaro {

bool toBool(const QVariant& v) {
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("true") || s == QLatin1String("1") || s == QLatin1String("-1");
    }
    return v.toLongLong() != 0 || v.toBool();
}

Control::Control(Form& form, ControlKind kind, QString name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {}

QString Control::displayName() const {
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

void Control::changed(const char* prop) {
    form_.notify(this, prop);
}

void Control::setLeft(int v) {
    if (left_ != v) {
        left_ = v;
        changed("Left");
    }
}

void Control::setTop(int v) {
    if (top_ != v) {
        top_ = v;
        changed("Top");
    }
}

void Control::setWidth(int v) {
    if (width_ != v) {
        width_ = v;
        changed("Width");
    }
}

void Control::setHeight(int v) {
    if (height_ != v) {
        height_ = v;
        changed("Height");
    }
}

void Control::setGeometry(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void Control::setVisible(bool v) {
    if (visible_ != v) {
        visible_ = v;
        changed("Visible");
    }
}

void Control::setEnabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        changed("Enabled");
    }
}

void Control::setForeColor(Colour c) {
    if (foreColor_ != c) {
        foreColor_ = c;
        changed("ForeColor");
    }
}

void Control::setBackColor(Colour c) {
    if (backColor_ != c) {
        backColor_ = c;
        changed("BackColor");
    }
}

void Control::setToolTip(const QString& t) {
    if (toolTip_ != t) {
        toolTip_ = t;
        changed("ToolTipText");
    }
}

QVariant Control::property(const QString& prop) const {
    if (prop == QLatin1String("Left")) {
        return left_;
    }
    if (prop == QLatin1String("Top")) {
        return top_;
    }
    if (prop == QLatin1String("Width")) {
        return width_;
    }
    if (prop == QLatin1String("Height")) {
        return height_;
    }
    if (prop == QLatin1String("Visible")) {
        return visible_;
    }
    if (prop == QLatin1String("Enabled")) {
        return enabled_;
    }
    if (prop == QLatin1String("ForeColor")) {
        return foreColor_;
    }
    if (prop == QLatin1String("BackColor")) {
        return backColor_;
    }
    if (prop == QLatin1String("ToolTipText")) {
        return toolTip_;
    }
    return {};
}

bool Control::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Left")) {
        setLeft(value.toInt());
    } else if (prop == QLatin1String("Top")) {
        setTop(value.toInt());
    } else if (prop == QLatin1String("Width")) {
        setWidth(value.toInt());
    } else if (prop == QLatin1String("Height")) {
        setHeight(value.toInt());
    } else if (prop == QLatin1String("Visible")) {
        setVisible(toBool(value));
    } else if (prop == QLatin1String("Enabled")) {
        setEnabled(toBool(value));
    } else if (prop == QLatin1String("ForeColor")) {
        setForeColor(value.toLongLong());
    } else if (prop == QLatin1String("BackColor")) {
        setBackColor(value.toLongLong());
    } else if (prop == QLatin1String("ToolTipText")) {
        setToolTip(value.toString());
    } else {
        return false;
    }
    return true;
}

void Control::userClick() {
    if (onClick) {
        onClick();
    }
}

void Control::userDblClick() {
    if (onDblClick) {
        onDblClick();
    }
}

void Control::userMouseDown() {
    if (onMouseDown) {
        onMouseDown();
    }
}

void Control::userKeyDown(int keyCode) {
    if (onKeyDown) {
        onKeyDown(keyCode);
    }
}

void Control::userKeyPress(int keyAscii) {
    if (onKeyPress) {
        onKeyPress(keyAscii);
    }
}

// ---- TextBox

TextBox::TextBox(Form& form, QString name, int index)
    : Control(form, ControlKind::TextBox, std::move(name), index) {}

void TextBox::setText(const QString& t) {
    if (t == text_) {
        return;
    }
    text_ = t;
    selStart_ = 0;
    changed("Text");
    if (onChange) {
        onChange();
    }
}

void TextBox::setSelStart(int pos) {
    const int clamped = std::clamp(pos, 0, int(text_.size()));
    if (clamped != selStart_) {
        selStart_ = clamped;
        changed("SelStart");
    }
}

void TextBox::userSetText(const QString& t, int caret) {
    if (t == text_) {
        setSelStart(caret);
        return;
    }
    text_ = t;
    selStart_ = std::clamp(caret, 0, int(text_.size()));
    changed("Text");
    if (onChange) {
        onChange();
    }
}

void TextBox::typeOne(QChar c) {
    const int at = std::clamp(selStart_, 0, int(text_.size()));
    QString t = text_;
    t.insert(at, c);
    userSetText(t, at + 1);
}

void TextBox::userType(const QString& chars) {
    for (int i = 0; i < chars.size(); ++i) {
        // CR LF is one Enter key.
        if (chars[i] == QLatin1Char('\r') && i + 1 < chars.size() &&
            chars[i + 1] == QLatin1Char('\n')) {
            ++i;
            userKeyPress(13);
            continue;
        }
        userKeyPress(chars[i].unicode() == '\n' ? 13 : chars[i].unicode());
    }
}

void TextBox::userKeyPress(int keyAscii) {
    int key = keyAscii;
    if (onKeyPress) {
        onKeyPress(key);
    }
    if (key == 0) {
        return;
    }
    if (key == 13) {
        if (multiLine_) {
            const int at = std::clamp(selStart_, 0, int(text_.size()));
            QString t = text_;
            t.insert(at, QStringLiteral("\r\n"));
            userSetText(t, at + 2);
        }
        return;
    }
    if (key == 8) {
        userBackspace(1);
        return;
    }
    if (key < 32) {
        return;
    }
    typeOne(QChar(key));
}

void TextBox::userBackspace(int count) {
    for (int i = 0; i < count; ++i) {
        const int at = std::clamp(selStart_, 0, int(text_.size()));
        if (at == 0) {
            return;
        }
        QString t = text_;
        t.remove(at - 1, 1);
        userSetText(t, at - 1);
    }
}

QVariant TextBox::property(const QString& prop) const {
    if (prop == QLatin1String("Text")) {
        return text_;
    }
    if (prop == QLatin1String("SelStart")) {
        return selStart_;
    }
    return Control::property(prop);
}

bool TextBox::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Text")) {
        setText(value.toString());
        return true;
    }
    if (prop == QLatin1String("SelStart")) {
        setSelStart(value.toInt());
        return true;
    }
    return Control::setProperty(prop, value);
}

// ---- Label

Label::Label(Form& form, QString name, int index)
    : Control(form, ControlKind::Label, std::move(name), index) {}

void Label::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed("Caption");
    }
}

QVariant Label::property(const QString& prop) const {
    if (prop == QLatin1String("Caption")) {
        return caption_;
    }
    return Control::property(prop);
}

bool Label::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Caption")) {
        setCaption(value.toString());
        return true;
    }
    return Control::setProperty(prop, value);
}

// ---- Button

Button::Button(Form& form, QString name, int index)
    : Control(form, ControlKind::Button, std::move(name), index) {}

void Button::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed("Caption");
    }
}

QVariant Button::property(const QString& prop) const {
    if (prop == QLatin1String("Caption")) {
        return caption_;
    }
    return Control::property(prop);
}

bool Button::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Caption")) {
        setCaption(value.toString());
        return true;
    }
    return Control::setProperty(prop, value);
}

void Button::userKeyPress(int keyAscii) {
    int key = keyAscii;
    if (onKeyPress) {
        onKeyPress(key);
    }
    if (key == 13 || key == 32) {
        userClick();
    }
}

// ---- CheckBox

CheckBox::CheckBox(Form& form, QString name, int index)
    : Control(form, ControlKind::CheckBox, std::move(name), index) {}

void CheckBox::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed("Caption");
    }
}

void CheckBox::setValue(int v) {
    if (value_ != v) {
        value_ = v;
        changed("Value");
    }
}

void CheckBox::userClick() {
    setValue(value_ == 1 ? 0 : 1);
    Control::userClick();
}

void CheckBox::userKeyPress(int keyAscii) {
    int key = keyAscii;
    if (onKeyPress) {
        onKeyPress(key);
    }
    if (key == 32) {
        userClick();
    }
}

QVariant CheckBox::property(const QString& prop) const {
    if (prop == QLatin1String("Caption")) {
        return caption_;
    }
    if (prop == QLatin1String("Value")) {
        return value_;
    }
    return Control::property(prop);
}

bool CheckBox::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Caption")) {
        setCaption(value.toString());
        return true;
    }
    if (prop == QLatin1String("Value")) {
        setValue(value.typeId() == QMetaType::Bool ? (value.toBool() ? 1 : 0) : value.toInt());
        return true;
    }
    return Control::setProperty(prop, value);
}

// ---- ComboBox

ComboBox::ComboBox(Form& form, QString name, int index)
    : Control(form, ControlKind::ComboBox, std::move(name), index) {}

void ComboBox::setText(const QString& t) {
    if (text_ != t) {
        text_ = t;
        changed("Text");
    }
}

void ComboBox::addItem(const QString& item) {
    list_.append(item);
    changed("List");
}

void ComboBox::userSelect(int i) {
    if (i < 0 || i >= list_.size()) {
        return;
    }
    listIndex_ = i;
    setText(list_.at(i));
    changed("ListIndex");
    Control::userClick();
}

QVariant ComboBox::property(const QString& prop) const {
    if (prop == QLatin1String("Text")) {
        return text_;
    }
    if (prop == QLatin1String("ListCount")) {
        return int(list_.size());
    }
    if (prop == QLatin1String("ListIndex")) {
        return listIndex_;
    }
    if (prop.startsWith(QLatin1String("List(")) && prop.endsWith(QLatin1Char(')'))) {
        bool ok = false;
        const int i = prop.mid(5, prop.size() - 6).toInt(&ok);
        if (ok && i >= 0 && i < list_.size()) {
            return list_.at(i);
        }
        return ok ? QVariant(QString()) : QVariant();
    }
    return Control::property(prop);
}

bool ComboBox::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Text")) {
        setText(value.toString());
        return true;
    }
    return Control::setProperty(prop, value);
}

// ---- PictureBox, Shape, Line

PictureBox::PictureBox(Form& form, QString name, int index)
    : Control(form, ControlKind::PictureBox, std::move(name), index) {}

void PictureBox::setBuiltinPicture(const QString& resource, int naturalWidthTwips,
                                   int naturalHeightTwips) {
    builtinPicture_ = resource;
    picturePath_.clear();
    pictureWidth_ = naturalWidthTwips;
    pictureHeight_ = naturalHeightTwips;
    changed("Picture");
}

void PictureBox::setPicture(const QString& path, int naturalWidthTwips, int naturalHeightTwips) {
    picturePath_ = path;
    pictureWidth_ = naturalWidthTwips;
    pictureHeight_ = naturalHeightTwips;
    changed("Picture");
}

Shape::Shape(Form& form, QString name, int index)
    : Control(form, ControlKind::Shape, std::move(name), index) {}

Line::Line(Form& form, QString name, int index)
    : Control(form, ControlKind::Line, std::move(name), index) {}

// ---- Timer

Timer::Timer(Form& form, QString name, int index)
    : Control(form, ControlKind::Timer, std::move(name), index) {
    setVisible(false);
}

Timer::~Timer() {
    form().timers().cancel(*this);
}

void Timer::reschedule() {
    if (timerEnabled_ && interval_ > 0) {
        form().timers().schedule(*this, interval_);
    } else {
        form().timers().cancel(*this);
    }
}

void Timer::setInterval(int ms) {
    const bool differs = interval_ != ms;
    interval_ = ms;
    reschedule();
    if (differs) {
        changed("Interval");
    }
}

void Timer::setTimerEnabled(bool on) {
    if (timerEnabled_ == on) {
        return;
    }
    timerEnabled_ = on;
    reschedule();
    changed("Enabled");
}

void Timer::fire() {
    if (timerEnabled_ && onTimer) {
        onTimer();
    }
}

QVariant Timer::property(const QString& prop) const {
    if (prop == QLatin1String("Interval")) {
        return interval_;
    }
    if (prop == QLatin1String("Enabled")) {
        return timerEnabled_;
    }
    return Control::property(prop);
}

bool Timer::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Interval")) {
        setInterval(value.toInt());
        return true;
    }
    if (prop == QLatin1String("Enabled")) {
        setTimerEnabled(toBool(value));
        return true;
    }
    return Control::setProperty(prop, value);
}

} // namespace vellaro
