#include "platform/Control.h"

#include "platform/Form.h"
#include "platform/KeyCodes.h"
#include "platform/PropertyTable.h"
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

QString eventOwnerName(const Control& c) {
    return c.form().name() + QLatin1Char('.') + c.displayName();
}

void Control::changed(Prop p) {
    form_.notify(this, p);
}

void Control::setLeft(int v) {
    if (left_ != v) {
        left_ = v;
        changed(Prop::Left);
    }
}

void Control::setTop(int v) {
    if (top_ != v) {
        top_ = v;
        changed(Prop::Top);
    }
}

void Control::setWidth(int v) {
    if (width_ != v) {
        width_ = v;
        changed(Prop::Width);
    }
}

void Control::setHeight(int v) {
    if (height_ != v) {
        height_ = v;
        changed(Prop::Height);
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
        changed(Prop::Visible);
    }
}

void Control::setEnabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        changed(Prop::Enabled);
    }
}

void Control::setForeColor(Colour c) {
    if (foreColor_ != c) {
        foreColor_ = c;
        changed(Prop::ForeColor);
    }
}

void Control::setBackColor(Colour c) {
    if (backColor_ != c) {
        backColor_ = c;
        changed(Prop::BackColor);
    }
}

void Control::setToolTip(const QString& t) {
    if (toolTip_ != t) {
        toolTip_ = t;
        changed(Prop::ToolTipText);
    }
}

QVariant Control::property(const QString& name) const {
    if (const auto p = propFromName(name)) {
        return read(*p);
    }
    // An entry of a list: "List(3)".
    const qsizetype open = name.indexOf(QLatin1Char('('));
    if (open > 0 && name.endsWith(QLatin1Char(')'))) {
        if (const auto p = propFromName(QStringView(name).first(open))) {
            bool ok = false;
            const int i = QStringView(name).sliced(open + 1, name.size() - open - 2).toInt(&ok);
            if (ok) {
                return readItem(*p, i);
            }
        }
    }
    return {};
}

bool Control::setProperty(const QString& name, const QVariant& value) {
    const auto p = propFromName(name);
    return p && write(*p, value);
}

bool visibleAsRead(const Control& c) {
    return c.visible();
}

namespace {

constexpr auto kControlProperties =
    joinProperties(placementProperties<Control>(),
                   PropertyTable<Control, 2>{{
                       {Prop::ForeColor, [](const Control& c) -> QVariant { return c.foreColor(); },
                        [](Control& c, const QVariant& v) { c.setForeColor(v.toLongLong()); }},
                       {Prop::ToolTipText, [](const Control& c) -> QVariant { return c.toolTip(); },
                        [](Control& c, const QVariant& v) { c.setToolTip(v.toString()); }},
                   }});

} // namespace

QVariant Control::read(Prop p) const {
    return readProperty(kControlProperties, *this, p);
}

bool Control::write(Prop p, const QVariant& value) {
    return writeProperty(kControlProperties, *this, p, value);
}

QVariant Control::readItem(Prop, int) const {
    return {};
}

void Control::userClick() {
    onClick();
}

void Control::userDblClick() {
    onDblClick();
}

void Control::userMouseDown() {
    onMouseDown();
}

void Control::userKeyDown(int keyCode) {
    onKeyDown(keyCode);
}

void Control::userKeyPress(int keyAscii) {
    onKeyPress(keyAscii);
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
    changed(Prop::Text);
    onChange();
}

void TextBox::setSelStart(int pos) {
    const int clamped = std::clamp(pos, 0, int(text_.size()));
    if (clamped != selStart_) {
        selStart_ = clamped;
        changed(Prop::SelStart);
    }
}

void TextBox::userSetText(const QString& t, int caret) {
    if (t == text_) {
        setSelStart(caret);
        return;
    }
    text_ = t;
    selStart_ = std::clamp(caret, 0, int(text_.size()));
    changed(Prop::Text);
    onChange();
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
            userKeyPress(kKeyEnter);
            continue;
        }
        userKeyPress(chars[i].unicode() == '\n' ? kKeyEnter : chars[i].unicode());
    }
}

void TextBox::userKeyPress(int keyAscii) {
    int key = keyAscii;
    onKeyPress(key);
    if (key == 0) {
        return;
    }
    if (key == kKeyEnter) {
        if (multiLine_) {
            const int at = std::clamp(selStart_, 0, int(text_.size()));
            QString t = text_;
            t.insert(at, QStringLiteral("\r\n"));
            userSetText(t, at + 2);
        }
        return;
    }
    if (key == kKeyBackspace) {
        userBackspace(1);
        return;
    }
    if (key < kKeySpace) {
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

QVariant TextBox::read(Prop p) const {
    switch (p) {
    case Prop::Text:
        return text_;
    case Prop::SelStart:
        return selStart_;
    default:
        return Control::read(p);
    }
}

bool TextBox::write(Prop p, const QVariant& value) {
    switch (p) {
    case Prop::Text:
        setText(value.toString());
        return true;
    case Prop::SelStart:
        setSelStart(value.toInt());
        return true;
    default:
        return Control::write(p, value);
    }
}

// ---- Label

Label::Label(Form& form, QString name, int index)
    : Control(form, ControlKind::Label, std::move(name), index) {}

void Label::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed(Prop::Caption);
    }
}

QVariant Label::read(Prop p) const {
    return p == Prop::Caption ? QVariant(caption_) : Control::read(p);
}

bool Label::write(Prop p, const QVariant& value) {
    if (p == Prop::Caption) {
        setCaption(value.toString());
        return true;
    }
    return Control::write(p, value);
}

// ---- Button

Button::Button(Form& form, QString name, int index)
    : Control(form, ControlKind::Button, std::move(name), index) {}

void Button::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed(Prop::Caption);
    }
}

QVariant Button::read(Prop p) const {
    return p == Prop::Caption ? QVariant(caption_) : Control::read(p);
}

bool Button::write(Prop p, const QVariant& value) {
    if (p == Prop::Caption) {
        setCaption(value.toString());
        return true;
    }
    return Control::write(p, value);
}

void Button::userKeyPress(int keyAscii) {
    int key = keyAscii;
    onKeyPress(key);
    if (key == kKeyEnter || key == kKeySpace) {
        userClick();
    }
}

// ---- CheckBox

CheckBox::CheckBox(Form& form, QString name, int index)
    : Control(form, ControlKind::CheckBox, std::move(name), index) {}

void CheckBox::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        changed(Prop::Caption);
    }
}

void CheckBox::setValue(int v) {
    if (value_ != v) {
        value_ = v;
        changed(Prop::Value);
    }
}

void CheckBox::userClick() {
    setValue(value_ == 1 ? 0 : 1);
    Control::userClick();
}

void CheckBox::userKeyPress(int keyAscii) {
    int key = keyAscii;
    onKeyPress(key);
    if (key == kKeySpace) {
        userClick();
    }
}

QVariant CheckBox::read(Prop p) const {
    switch (p) {
    case Prop::Caption:
        return caption_;
    case Prop::Value:
        return value_;
    default:
        return Control::read(p);
    }
}

bool CheckBox::write(Prop p, const QVariant& value) {
    switch (p) {
    case Prop::Caption:
        setCaption(value.toString());
        return true;
    case Prop::Value:
        setValue(value.typeId() == QMetaType::Bool ? (value.toBool() ? 1 : 0) : value.toInt());
        return true;
    default:
        return Control::write(p, value);
    }
}

// ---- ComboBox

ComboBox::ComboBox(Form& form, QString name, int index)
    : Control(form, ControlKind::ComboBox, std::move(name), index) {}

void ComboBox::setText(const QString& t) {
    if (text_ != t) {
        text_ = t;
        changed(Prop::Text);
    }
}

void ComboBox::addItem(const QString& item) {
    list_.append(item);
    changed(Prop::List);
}

void ComboBox::userSelect(int i) {
    if (i < 0 || i >= list_.size()) {
        return;
    }
    listIndex_ = i;
    setText(list_.at(i));
    changed(Prop::ListIndex);
    Control::userClick();
}

QVariant ComboBox::read(Prop p) const {
    switch (p) {
    case Prop::Text:
        return text_;
    case Prop::ListCount:
        return int(list_.size());
    case Prop::ListIndex:
        return listIndex_;
    default:
        return Control::read(p);
    }
}

bool ComboBox::write(Prop p, const QVariant& value) {
    if (p == Prop::Text) {
        setText(value.toString());
        return true;
    }
    return Control::write(p, value);
}

QVariant ComboBox::readItem(Prop p, int i) const {
    if (p != Prop::List) {
        return {};
    }
    return i >= 0 && i < list_.size() ? list_.at(i) : QString();
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
    changed(Prop::Picture);
}

void PictureBox::setPicture(const QString& path, int naturalWidthTwips, int naturalHeightTwips) {
    picturePath_ = path;
    pictureWidth_ = naturalWidthTwips;
    pictureHeight_ = naturalHeightTwips;
    changed(Prop::Picture);
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
        changed(Prop::Interval);
    }
}

void Timer::setTimerEnabled(bool on) {
    if (timerEnabled_ == on) {
        return;
    }
    timerEnabled_ = on;
    reschedule();
    changed(Prop::Enabled);
}

void Timer::fire() {
    if (timerEnabled_) {
        onTimer();
    }
}

QVariant Timer::read(Prop p) const {
    switch (p) {
    case Prop::Interval:
        return interval_;
    case Prop::Enabled:
        return timerEnabled_;
    default:
        return Control::read(p);
    }
}

bool Timer::write(Prop p, const QVariant& value) {
    switch (p) {
    case Prop::Interval:
        setInterval(value.toInt());
        return true;
    case Prop::Enabled:
        setTimerEnabled(toBool(value));
        return true;
    default:
        return Control::write(p, value);
    }
}

} // namespace vellaro
