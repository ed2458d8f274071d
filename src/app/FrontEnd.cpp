#include "app/FrontEnd.h"

#include "console/Console.h"
#include "platform/qt/Artwork.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/FormView.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace vellaro::qt {

QFont FrontEnd::classicFont() {
    // One free family, installed with the program, whose widths at 11 pixels come
    // close to the 8 point interface font the layout was drawn for. One family keeps
    // font matching at start-up short.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

FrontEnd::FrontEnd(Console& console) : console_(console), font_(classicFont()) {
    const auto forms = console_.forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        forms[i]->observer = [this, i](Control* c, Prop p) { formChanged(i, c, p); };
    }
    build(0);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

FrontEnd::~FrontEnd() {
    for (Form* f : console_.forms()) {
        f->observer = nullptr;
    }
}

FormView& FrontEnd::build(std::size_t i) const {
    if (!views_[i]) {
        Form& form = *console_.forms()[i];
        views_[i] = std::make_unique<FormView>(form, const_cast<FrontEnd&>(*this));
        if (i == 0) {
            views_[i]->setBackgroundPicture(backgroundTexture());
        }
        if (Control* c = form.focused()) {
            if (ControlView* v = views_[i]->viewOf(*c)) {
                const_cast<FrontEnd&>(*this).showFocus(*v);
            }
        }
    }
    return *views_[i];
}

void FrontEnd::formChanged(std::size_t i, Control* c, Prop p) {
    if (views_[i]) {
        views_[i]->changed(c, p);
        return;
    }
    // A window is built when it is first shown, and then takes the form as it is.
    const Form& f = *console_.forms()[i];
    if (c == nullptr && f.loaded() && f.visible()) {
        build(i);
    }
}

FormView& FrontEnd::view(const Form& form) const {
    const auto forms = console_.forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i] == &form) {
            return build(i);
        }
    }
    return *views_[0];
}

ControlView* FrontEnd::viewOf(const Control& control) const {
    return view(control.form()).viewOf(control);
}

QRect FrontEnd::screenArea() const {
    // While the main window is being built, the screen it will come up on.
    const QScreen* s = views_[0] ? views_[0]->screen() : QGuiApplication::primaryScreen();
    return s != nullptr ? s->availableGeometry() : QRect();
}

void FrontEnd::showFocus(ControlView& view) {
    QWidget* w = view.widget();
    if (w->focusPolicy() == Qt::NoFocus || w->hasFocus()) {
        return;
    }
    showingFocus_ = true;
    w->setFocus(Qt::OtherFocusReason);
    showingFocus_ = false;
}

void FrontEnd::focusChanged(QWidget* now) {
    if (showingFocus_ || now == nullptr || ControlView::of(now) == nullptr) {
        return;
    }
    if (syncing()) {
        // Qt moved the focus because a change hid or disabled the focused widget:
        // the form hears of it once the change itself is done.
        QPointer<QWidget> w(now);
        QTimer::singleShot(0, this, [this, w] {
            if (!w.isNull() && QApplication::focusWidget() == w) {
                adoptFocus(w);
            }
        });
        return;
    }
    adoptFocus(now);
}

void FrontEnd::adoptFocus(QWidget* now) {
    ControlView* v = ControlView::of(now);
    if (v == nullptr) {
        return;
    }
    Control& c = v->control();
    if (c.focusable() && c.form().focused() != &c) {
        c.form().setFocus(c);
    }
}

void FrontEnd::windowClosed(FormView& view) {
    Form& form = view.form();
    if (&form == &console_.form1()) {
        console_.close();
        return;
    }
    form.setVisible(false);
    // Never leave the controller without a window: a side window closed while the
    // main window was put away brings the main window back.
    for (Form* f : console_.forms()) {
        if (f->loaded() && f->visible()) {
            return;
        }
    }
    if (!console_.ended()) {
        console_.form1().setEnabled(true);
        console_.form1().setVisible(true);
    }
}

} // namespace vellaro::qt
