#include "platform/Form.h"

#include <QtGlobal>

namespace vellaro {

Form::Form(QString name, TimerService& timers) : name_(std::move(name)), timers_(timers) {}

Form::~Form() {
    observer = nullptr;
    controls_.clear();
}

Control* Form::find(const QString& name, int index) const {
    for (const auto& c : controls_) {
        if (c->index() == index && c->name() == name) {
            return c.get();
        }
    }
    return nullptr;
}

template <typename T> T& Form::typed(const QString& name, int index) const {
    auto* c = dynamic_cast<T*>(find(name, index));
    if (c == nullptr) {
        qFatal("%s has no control %s(%d) of that kind", qPrintable(name_), qPrintable(name), index);
    }
    return *c;
}

TextBox& Form::text(const QString& name, int index) const {
    return typed<TextBox>(name, index);
}
Label& Form::label(const QString& name, int index) const {
    return typed<Label>(name, index);
}
Button& Form::button(const QString& name, int index) const {
    return typed<Button>(name, index);
}
CheckBox& Form::check(const QString& name, int index) const {
    return typed<CheckBox>(name, index);
}
ComboBox& Form::combo(const QString& name, int index) const {
    return typed<ComboBox>(name, index);
}
PictureBox& Form::picture(const QString& name, int index) const {
    return typed<PictureBox>(name, index);
}
Shape& Form::shape(const QString& name, int index) const {
    return typed<Shape>(name, index);
}
Timer& Form::timer(const QString& name, int index) const {
    return typed<Timer>(name, index);
}

void Form::notify(Control* c, const char* prop) const {
    if (observer) {
        observer(c, prop);
    }
}

void Form::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        notify(nullptr, "Caption");
    }
}

void Form::setLeft(int v) {
    if (left_ != v) {
        left_ = v;
        notify(nullptr, "Left");
    }
}

void Form::setTop(int v) {
    if (top_ != v) {
        top_ = v;
        notify(nullptr, "Top");
    }
}

void Form::setWidth(int v) {
    if (width_ != v) {
        width_ = v;
        notify(nullptr, "Width");
    }
}

void Form::setHeight(int v) {
    if (height_ != v) {
        height_ = v;
        notify(nullptr, "Height");
    }
}

void Form::setVisible(bool v) {
    if (v) {
        load();
    }
    if (visible_ != v) {
        visible_ = v;
        notify(nullptr, "Visible");
    }
}

void Form::setEnabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        notify(nullptr, "Enabled");
    }
}

void Form::setTopMost(bool v) {
    // The z-order call is made every time, as the window system call is.
    topMost_ = v;
    notify(nullptr, "TopMost");
}

void Form::setWindowState(int v) {
    if (windowState_ != v) {
        windowState_ = v;
        notify(nullptr, "WindowState");
    }
}

void Form::setBackColor(Colour c) {
    if (backColor_ != c) {
        backColor_ = c;
        notify(nullptr, "BackColor");
    }
}

void Form::load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    notify(nullptr, "Loaded");
    if (onLoad) {
        onLoad();
    }
}

void Form::unload() {
    if (!loaded_) {
        return;
    }
    if (onUnload) {
        onUnload();
    }
    setVisible(false);
    loaded_ = false;
    notify(nullptr, "Loaded");
}

QVariant Form::property(const QString& prop) const {
    if (prop == QLatin1String("Caption")) {
        return caption_;
    }
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
        return loaded_ && visible_;
    }
    if (prop == QLatin1String("Enabled")) {
        return enabled_;
    }
    if (prop == QLatin1String("TopMost")) {
        return topMost_;
    }
    if (prop == QLatin1String("WindowState")) {
        return windowState_;
    }
    if (prop == QLatin1String("BackColor")) {
        return backColor_;
    }
    return {};
}

bool Form::setProperty(const QString& prop, const QVariant& value) {
    if (prop == QLatin1String("Caption")) {
        setCaption(value.toString());
    } else if (prop == QLatin1String("Left")) {
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
    } else if (prop == QLatin1String("TopMost")) {
        setTopMost(toBool(value));
    } else if (prop == QLatin1String("WindowState")) {
        setWindowState(value.toInt());
    } else if (prop == QLatin1String("BackColor")) {
        setBackColor(value.toLongLong());
    } else {
        return false;
    }
    return true;
}

void Form::setFocus(Control& c) {
    load();
    if (focused_ == &c) {
        return;
    }
    Control* old = focused_;
    focused_ = &c;
    notify(&c, "Focus");
    if (old != nullptr && old->onLostFocus) {
        old->onLostFocus();
    }
    // A lost-focus handler that moved the focus elsewhere has the last word.
    if (focused_ == &c && c.onGotFocus) {
        c.onGotFocus();
    }
}

void Form::userMouseDown() {
    if (onMouseDown) {
        onMouseDown();
    }
}

} // namespace vellaro
