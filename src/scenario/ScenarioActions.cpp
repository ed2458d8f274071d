#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QSet>

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
    QString why;
    const auto r = parseTarget(word, why);
    if (!r) {
        error(line_, why);
        return nullptr;
    }
    if (r->kind != Ref::Kind::Control) {
        error(line_, QStringLiteral("%1 is a window, not a control").arg(word));
        return nullptr;
    }
    return controlOf(*r);
}

bool Session::reachable(Control& c) {
    // A script acts on a control wherever it stands, hidden or parked, as the
    // behaviour's own tests expect; a window not created yet is created by the touch.
    c.form().load();
    return c.kind() != ControlKind::Timer;
}

bool Session::act(const QString& cmd, const Words& w, bool& handled) {
    static const QSet<QString> commands = {
        QStringLiteral("click"),  QStringLiteral("dblclick"), QStringLiteral("mousedown"),
        QStringLiteral("focus"),  QStringLiteral("type"),     QStringLiteral("backspace"),
        QStringLiteral("set"),    QStringLiteral("key"),      QStringLiteral("press"),
        QStringLiteral("select"), QStringLiteral("close"),    QStringLiteral("wait"),
        QStringLiteral("dump")};
    handled = commands.contains(cmd);
    if (!handled || !needStarted()) {
        return false;
    }
    Console& con = *console_;

    if (cmd == QLatin1String("close")) {
        if (usage(w, 1, "close")) {
            con.close();
        }
        return true;
    }
    if (cmd == QLatin1String("wait")) {
        qint64 ms = 0;
        if (!usage(w, 2, "wait MS") || !number(w[1], ms)) {
            return false;
        }
        if (ms < 0) {
            error(line_, QStringLiteral("time does not run backwards"));
            return false;
        }
        services_->clock.advance(ms);
        return true;
    }
    if (cmd == QLatin1String("dump")) {
        if (usage(w, 1, "dump")) {
            dump();
        }
        return true;
    }
    if (cmd == QLatin1String("mousedown")) {
        if (!usage(w, 2, "mousedown CTRL")) {
            return false;
        }
        QString why;
        const auto r = parseTarget(w[1].text, why);
        if (!r) {
            error(line_, why);
            return false;
        }
        if (r->kind == Ref::Kind::Window) {
            Form* f = formOf(*r);
            if (f != nullptr && !con.ended()) {
                f->load();
                f->userMouseDown();
            }
            return f != nullptr;
        }
        Control* c = controlOf(*r);
        if (c != nullptr && !con.ended() && reachable(*c)) {
            c->userMouseDown();
        }
        return c != nullptr;
    }

    // The rest name one control.
    const bool withArg = cmd != QLatin1String("click") && cmd != QLatin1String("dblclick") &&
                         cmd != QLatin1String("focus");
    static const QHash<QString, const char*> how = {
        {QStringLiteral("click"), "click CTRL"},
        {QStringLiteral("dblclick"), "dblclick CTRL"},
        {QStringLiteral("focus"), "focus CTRL"},
        {QStringLiteral("type"), "type CTRL \"text\""},
        {QStringLiteral("backspace"), "backspace CTRL N"},
        {QStringLiteral("set"), "set CTRL \"text\""},
        {QStringLiteral("key"), "key CTRL CODE"},
        {QStringLiteral("press"), "press CTRL CODE"},
        {QStringLiteral("select"), "select CTRL I"}};
    if (!usage(w, withArg ? 3 : 2, how.value(cmd))) {
        return false;
    }
    Control* c = control(w[1].text);
    if (c == nullptr) {
        return false;
    }
    qint64 n = 0;
    const bool numeric = cmd == QLatin1String("backspace") || cmd == QLatin1String("key") ||
                         cmd == QLatin1String("press") || cmd == QLatin1String("select");
    if (numeric && !number(w[2], n)) {
        return false;
    }
    if (cmd == QLatin1String("backspace") && n < 0) {
        error(line_, QStringLiteral("cannot delete %1 characters").arg(n));
        return false;
    }
    auto* box = dynamic_cast<TextBox*>(c);
    const bool textCmd = cmd == QLatin1String("type") || cmd == QLatin1String("set") ||
                         cmd == QLatin1String("backspace");
    if (textCmd && box == nullptr) {
        error(line_, QStringLiteral("%1 is not a text box").arg(w[1].text));
        return false;
    }
    auto* combo = dynamic_cast<ComboBox*>(c);
    if (cmd == QLatin1String("select") && combo == nullptr) {
        error(line_, QStringLiteral("%1 is not a drop-down list").arg(w[1].text));
        return false;
    }
    if (cmd == QLatin1String("focus") && !c->focusable()) {
        error(line_, QStringLiteral("%1 cannot take the focus").arg(w[1].text));
        return false;
    }
    if (con.ended()) {
        return true;
    }
    Form& f = c->form();

    // Keys go to whatever has the focus, whether or not the user could click it.
    if (cmd == QLatin1String("key") || cmd == QLatin1String("press")) {
        if (f.focused() != c) {
            error(line_, QStringLiteral("%1 does not have the focus").arg(w[1].text));
            return false;
        }
        if (cmd == QLatin1String("key")) {
            c->userKeyDown(int(n));
        } else {
            c->userKeyPress(int(n));
        }
        return true;
    }
    if (cmd == QLatin1String("focus")) {
        f.setFocus(*c);
        return true;
    }
    if (!reachable(*c)) {
        return true; // the user cannot get at it
    }
    if (cmd == QLatin1String("click") || cmd == QLatin1String("dblclick")) {
        // A click puts the focus into a control that can take it, before its handler.
        if (c->focusable() && f.focused() != c) {
            f.setFocus(*c);
        }
        if (cmd == QLatin1String("click")) {
            c->userClick();
        } else {
            c->userDblClick();
        }
    } else if (cmd == QLatin1String("select")) {
        combo->userSelect(int(n));
    } else if (cmd == QLatin1String("set")) {
        box->userSetText(w[2].text, int(w[2].text.size()));
    } else {
        if (f.focused() != c) {
            f.setFocus(*c);
        }
        if (cmd == QLatin1String("type")) {
            box->userType(w[2].text);
        } else {
            box->userBackspace(int(n));
        }
    }
    return true;
}

} // namespace vellaro::scenario
