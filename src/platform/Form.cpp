#include "platform/Form.h"

#include "platform/PropertyTable.h"

#include <algorithm>

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

QString eventOwnerName(const Form& f) {
    return f.name();
}

void Form::notify(Control* c, Prop p) const {
    if (observer) {
        observer(c, p);
    }
}

void Form::setCaption(const QString& c) {
    if (caption_ != c) {
        caption_ = c;
        notify(nullptr, Prop::Caption);
    }
}

void Form::setLeft(int v) {
    if (left_ != v) {
        left_ = v;
        notify(nullptr, Prop::Left);
    }
}

void Form::setTop(int v) {
    if (top_ != v) {
        top_ = v;
        notify(nullptr, Prop::Top);
    }
}

void Form::setWidth(int v) {
    if (width_ != v) {
        width_ = v;
        notify(nullptr, Prop::Width);
    }
}

void Form::setHeight(int v) {
    if (height_ != v) {
        height_ = v;
        notify(nullptr, Prop::Height);
    }
}

void Form::setVisible(bool v) {
    if (v) {
        load();
    }
    if (visible_ != v) {
        visible_ = v;
        notify(nullptr, Prop::Visible);
    }
}

void Form::setEnabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        notify(nullptr, Prop::Enabled);
    }
}

void Form::setTopMost(bool v) {
    // The z-order call is made every time, as the window system call is.
    topMost_ = v;
    notify(nullptr, Prop::TopMost);
}

void Form::setWindowState(int v) {
    if (windowState_ != v) {
        windowState_ = v;
        notify(nullptr, Prop::WindowState);
    }
}

void Form::setBackColor(Colour c) {
    if (backColor_ != c) {
        backColor_ = c;
        notify(nullptr, Prop::BackColor);
    }
}

void Form::load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    notify(nullptr, Prop::Loaded);
    onLoad();
}

void Form::unload() {
    if (!loaded_) {
        return;
    }
    onUnload();
    setVisible(false);
    loaded_ = false;
    notify(nullptr, Prop::Loaded);
}

QVariant Form::property(const QString& name) const {
    const auto p = propFromName(name);
    return p ? property(*p) : QVariant();
}

bool visibleAsRead(const Form& f) {
    return f.loaded() && f.visible();
}

namespace {

constexpr auto kFormProperties = joinProperties(
    placementProperties<Form>(),
    PropertyTable<Form, 3>{{
        {Prop::Caption, [](const Form& f) -> QVariant { return f.caption(); },
         [](Form& f, const QVariant& v) { f.setCaption(v.toString()); }},
        {Prop::TopMost, [](const Form& f) -> QVariant { return f.topMost(); },
         [](Form& f, const QVariant& v) { f.setTopMost(toBool(v)); }},
        {Prop::WindowState, [](const Form& f) -> QVariant { return f.windowState(); },
         [](Form& f, const QVariant& v) { f.setWindowState(v.toInt()); }},
    }});

} // namespace

QVariant Form::property(Prop p) const {
    return readProperty(kFormProperties, *this, p);
}

bool Form::setProperty(const QString& name, const QVariant& value) {
    const auto p = propFromName(name);
    return p && setProperty(*p, value);
}

bool Form::setProperty(Prop p, const QVariant& value) {
    return writeProperty(kFormProperties, *this, p, value);
}

void Form::setFocus(Control& c) {
    load();
    if (focused_ == &c) {
        return;
    }
    Control* old = focused_;
    focused_ = &c;
    static quint64 serial = 0;
    focusSerial_ = ++serial;
    notify(&c, Prop::Focus);
    // A move made inside a lost-focus handler settles as the classic toolkit settled it:
    // the control that was about to get the focus never had it, so it loses nothing,
    // and a control whose lost-focus is running does not lose the focus a second time.
    Control* const arriving = arriving_;
    arriving_ = &c;
    if (old != nullptr && old != arriving && old != losing_) {
        Control* const outer = losing_;
        losing_ = old;
        old->onLostFocus();
        losing_ = outer;
    }
    // A lost-focus handler that moved the focus elsewhere has the last word.
    if (focused_ == &c && arriving_ == &c) {
        arriving_ = arriving;
        c.onGotFocus();
        return;
    }
    arriving_ = arriving;
}

void Form::setTabOrder(std::vector<Control*> order) {
    tabOrder_ = std::move(order);
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order = tabOrder_;
    // Controls the window did not place come after, in the order of creation.
    for (const auto& c : controls_) {
        if (std::find(order.begin(), order.end(), c.get()) == order.end()) {
            order.push_back(c.get());
        }
    }
    return order;
}

void Form::userTab(bool backwards) {
    std::vector<Control*> order = tabOrder();
    if (backwards) {
        std::reverse(order.begin(), order.end());
    }
    const auto at = std::find(order.begin(), order.end(), focused_);
    const std::size_t start = at == order.end() ? 0 : std::size_t(at - order.begin()) + 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        Control* c = order[(start + i) % order.size()];
        if (c->focusable() && c->visible() && c->enabled()) {
            setFocus(*c);
            return;
        }
    }
}

void Form::userMouseDown() {
    onMouseDown();
}

} // namespace vellaro
