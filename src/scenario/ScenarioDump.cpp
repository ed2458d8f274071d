#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "scenario/Fakes.h"
#include "scenario/ScenarioValues.h"

// The dump that helps when an expect line fails: every window, control and state field.
namespace vellaro::scenario {

void Session::dump() {
    static const QStringList formProps = {
        QStringLiteral("Caption"), QStringLiteral("Left"),    QStringLiteral("Top"),
        QStringLiteral("Width"),   QStringLiteral("Height"),  QStringLiteral("Visible"),
        QStringLiteral("Enabled"), QStringLiteral("TopMost"), QStringLiteral("BackColor")};
    static const QStringList controlProps = {
        QStringLiteral("Text"),       QStringLiteral("Caption"),   QStringLiteral("Value"),
        QStringLiteral("SelStart"),   QStringLiteral("ListCount"), QStringLiteral("ListIndex"),
        QStringLiteral("Interval"),   QStringLiteral("Visible"),   QStringLiteral("Enabled"),
        QStringLiteral("Left"),       QStringLiteral("Top"),       QStringLiteral("Width"),
        QStringLiteral("Height"),     QStringLiteral("ForeColor"), QStringLiteral("BackColor"),
        QStringLiteral("ToolTipText")};
    auto line = [&](const QString& head, auto get, const QStringList& props) {
        QString s = head;
        for (const QString& p : props) {
            const QVariant v = get(p);
            if (v.isValid()) {
                s += QLatin1Char(' ') + p + QLatin1Char('=') + render(v, p);
            }
        }
        out_ << s << '\n';
    };
    for (Form* f : console_->forms()) {
        line(
            f->name(), [f](const QString& p) { return f->property(p); }, formProps);
        const Control* focused = f->focused();
        if (focused != nullptr) {
            out_ << f->name() << " focus=" << focused->displayName() << '\n';
        }
        for (const auto& c : f->controls()) {
            const Control& cp = *c;
            QStringList props = controlProps;
            if (auto* combo = dynamic_cast<const ComboBox*>(&cp)) {
                for (qsizetype i = 0; i < combo->list().size(); ++i) {
                    props.append(QStringLiteral("List(%1)").arg(i));
                }
            }
            line(
                f->name() + QLatin1Char('.') + cp.displayName(),
                [&cp](const QString& p) { return cp.property(p); }, props);
        }
    }
    for (const QString& n : console_->stateFieldNames()) {
        out_ << n << " = " << render(console_->stateField(n), n) << '\n';
    }
    out_ << "clipboard = " << quoted(services_->clipboard.text()) << '\n';
    out_.flush();
}

} // namespace vellaro::scenario
