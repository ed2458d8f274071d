#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "scenario/Fakes.h"

// What the user does: clicks, typing, keys, focus, time passing.
namespace vellaro::scenario {

Form* Session::formOf(const Ref& r) {
    Form* f = console_->formByName(r.form);
    if (f == nullptr) {
        error(line_, QStringLiteral("unknown window: %1").arg(r.form));
    }
    return f;
}

Control* Session::controlOf(const Ref& r) {
    Form* f = formOf(r);
    if (f == nullptr) {
        return nullptr;
    }
    if (Control* c = f->find(r.name, r.index)) {
        return c;
    }
    // The toolkit never minded the case of a name.
    bool isArray = false;
    for (const auto& c : f->controls()) {
        if (c->name().compare(r.name, Qt::CaseInsensitive) == 0) {
            if (c->index() == r.index) {
                return c.get();
            }
            isArray = isArray || c->index() >= 0;
        }
    }
    QString why = QStringLiteral("unknown control: %1").arg(r.controlName());
    if (r.index < 0 && isArray) {
        why += QStringLiteral(" (a control array: give an index)");
    }
    error(line_, why);
    return nullptr;
}

Control* Session::control(const QString& word) {
    const auto r = parsed(parseTarget, word);
    if (!r) {
        return nullptr;
    }
    if (r->kind != Ref::Kind::Control) {
        error(line_, QStringLiteral("%1 is a window, not a control").arg(word));
        return nullptr;
    }
    return controlOf(*r);
}

template <typename T> T* Session::kindOf(Control& c, const Word& name, const char* kind) {
    auto* t = dynamic_cast<T*>(&c);
    if (t == nullptr) {
        error(line_, QStringLiteral("%1 is not %2").arg(name.text, QLatin1String(kind)));
    }
    return t;
}

bool Session::reachable(Control& c) {
    // A script acts on a control wherever it stands, hidden or parked, as the
    // behaviour's own tests expect; a window not created yet is created by the touch.
    c.form().load();
    return c.kind() != ControlKind::Timer;
}

bool Session::userReaches(Control& c) {
    // An ended console still parses its lines but no longer acts on them.
    return !console_->ended() && reachable(c);
}

namespace {

void focusOn(Control& c) {
    if (c.form().focused() != &c) {
        c.form().setFocus(c);
    }
}

} // namespace

void Session::clickOn(const Word& name, void (Control::*event)()) {
    Control* c = control(name.text);
    if (c == nullptr || !userReaches(*c)) {
        return;
    }
    // A click puts the focus into a control that can take it, before its handler.
    if (c->focusable()) {
        focusOn(*c);
    }
    (c->*event)();
}

void Session::keyOn(const Words& w, void (Control::*event)(int)) {
    Control* c = control(w[1].text);
    qint64 code = 0;
    if (c == nullptr || !number(w[2], code) || console_->ended()) {
        return;
    }
    // Keys go to whatever has the focus, whether or not the user could click it.
    if (c->form().focused() != c) {
        error(line_, QStringLiteral("%1 does not have the focus").arg(w[1].text));
        return;
    }
    (c->*event)(int(code));
}

void Session::cmdClick(const Words& w) {
    clickOn(w[1], &Control::userClick);
}

void Session::cmdDblclick(const Words& w) {
    clickOn(w[1], &Control::userDblClick);
}

void Session::cmdMousedown(const Words& w) {
    const auto r = parsed(parseTarget, w[1].text);
    if (!r) {
        return;
    }
    if (r->kind != Ref::Kind::Window) {
        if (Control* c = controlOf(*r); c != nullptr && userReaches(*c)) {
            c->userMouseDown();
        }
        return;
    }
    Form* f = formOf(*r);
    if (f != nullptr && !console_->ended()) {
        f->load();
        f->userMouseDown();
    }
}

void Session::cmdFocus(const Words& w) {
    Control* c = control(w[1].text);
    if (c == nullptr) {
        return;
    }
    if (!c->focusable()) {
        error(line_, QStringLiteral("%1 cannot take the focus").arg(w[1].text));
        return;
    }
    if (!console_->ended()) {
        c->form().setFocus(*c);
    }
}

void Session::tabIn(bool backwards) {
    if (console_->ended()) {
        return;
    }
    // The Tab key goes to the shown window the user moved the focus in last.
    Form* active = &console_->form1();
    for (Form* f : console_->forms()) {
        const bool shown = f->loaded() && f->visible();
        if (shown && (!active->visible() || f->focusSerial() > active->focusSerial())) {
            active = f;
        }
    }
    active->userTab(backwards);
}

void Session::cmdTab(const Words&) {
    tabIn(false);
}

void Session::cmdBacktab(const Words&) {
    tabIn(true);
}

void Session::cmdType(const Words& w) {
    Control* c = control(w[1].text);
    auto* box = c == nullptr ? nullptr : kindOf<TextBox>(*c, w[1], "a text box");
    if (box != nullptr && userReaches(*box)) {
        focusOn(*box);
        box->userType(w[2].text);
    }
}

void Session::cmdBackspace(const Words& w) {
    Control* c = control(w[1].text);
    qint64 n = 0;
    if (c == nullptr || !number(w[2], n)) {
        return;
    }
    if (n < 0) {
        error(line_, QStringLiteral("cannot delete %1 characters").arg(n));
        return;
    }
    auto* box = kindOf<TextBox>(*c, w[1], "a text box");
    if (box != nullptr && userReaches(*box)) {
        focusOn(*box);
        box->userBackspace(int(n));
    }
}

void Session::cmdSet(const Words& w) {
    Control* c = control(w[1].text);
    auto* box = c == nullptr ? nullptr : kindOf<TextBox>(*c, w[1], "a text box");
    if (box != nullptr && userReaches(*box)) {
        box->userSetText(w[2].text, int(w[2].text.size()));
    }
}

void Session::cmdKey(const Words& w) {
    keyOn(w, &Control::userKeyDown);
}

void Session::cmdPress(const Words& w) {
    keyOn(w, &Control::userKeyPress);
}

void Session::cmdSelect(const Words& w) {
    Control* c = control(w[1].text);
    qint64 i = 0;
    if (c == nullptr || !number(w[2], i)) {
        return;
    }
    auto* combo = kindOf<ComboBox>(*c, w[1], "a drop-down list");
    if (combo != nullptr && userReaches(*combo)) {
        combo->userSelect(int(i));
    }
}

void Session::cmdClose(const Words&) {
    console_->close();
}

void Session::cmdWait(const Words& w) {
    qint64 ms = 0;
    if (!number(w[1], ms)) {
        return;
    }
    if (ms < 0) {
        error(line_, QStringLiteral("time does not run backwards"));
        return;
    }
    services_->clock.advance(ms);
}

void Session::cmdDump(const Words&) {
    dump();
}

} // namespace vellaro::scenario
