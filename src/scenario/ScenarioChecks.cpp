#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "core/DataFiles.h"
#include "scenario/Fakes.h"

#include <QFile>

// The expect lines, and the dump that helps when one of them fails.
namespace vellaro::scenario {

namespace {

bool isNumeric(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool isColour(const QString& prop) {
    return prop.endsWith(QLatin1String("Color"));
}

QString render(const QVariant& v, const QString& prop) {
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    }
    if (isNumeric(v)) {
        const double d = v.toDouble();
        if (isColour(prop)) {
            return d == -1 ? QStringLiteral("default")
                           : QStringLiteral("&H") + QString::number(v.toLongLong(), 16).toUpper();
        }
        return d == qint64(d) ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    return quoted(v.toString());
}

// Does the value equal what the script wrote? Booleans as booleans, numbers
// numerically, texts exactly.
bool matches(const QVariant& actual, const QString& expected) {
    if (actual.typeId() == QMetaType::Bool) {
        const auto b = parseBool(expected);
        return b && *b == actual.toBool();
    }
    if (isNumeric(actual)) {
        std::optional<double> n;
        if (expected.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0) {
            n = double(kDefaultColour);
        } else if (auto d = parseNumber(expected)) {
            n = d;
        } else if (auto b = parseBool(expected)) {
            n = *b ? 1.0 : 0.0;
        }
        return n && *n == actual.toDouble();
    }
    return actual.toString() == expected;
}

// Lines as the contract counts them: CR LF or a lone CR ends a line, and an end
// after the last line starts none.
QStringList crLines(const QString& text) {
    QStringList lines;
    QString cur;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r')) {
            lines.append(cur);
            cur.clear();
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            cur += text[i];
        }
    }
    if (!cur.isEmpty()) {
        lines.append(cur);
    }
    return lines;
}

QString written(const Word& w) {
    return w.quoted ? quoted(w.text) : w.text;
}

} // namespace

void Session::expect(const Words& w) {
    if (w.size() < 2) {
        error(line_, QStringLiteral("usage: expect WHAT ..."));
        return;
    }
    const QString what = w[1].quoted ? QString() : w[1].text.toLower();
    auto check = [&](bool ok, const QString& expected, const QString& got) {
        if (ok) {
            pass();
        } else {
            fail(expected, got);
        }
    };
    auto readFile = [&](const QString& name, std::optional<QString>& text) {
        bool ok = false;
        const QString path = dataPath(name, ok);
        if (!ok) {
            return false;
        }
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            text = fromWindows1252(f.readAll());
        }
        return true;
    };

    if (what == QLatin1String("focus")) {
        if (!usage(w, 3, "expect focus CTRL")) {
            return;
        }
        if (Control* c = control(w[2].text)) {
            const Control* has = c->form().focused();
            const QString got = has == nullptr
                                    ? QStringLiteral("no focus in %1").arg(c->form().name())
                                    : QStringLiteral("focus on %1").arg(has->displayName());
            check(has == c, QStringLiteral("focus on %1").arg(c->displayName()), got);
        }
    } else if (what == QLatin1String("clipboard")) {
        if (usage(w, 3, "expect clipboard \"text\"")) {
            const QString got = services_->clipboard.text();
            check(got == w[2].text, QStringLiteral("clipboard ") + quoted(w[2].text), quoted(got));
        }
    } else if (what == QLatin1String("message")) {
        if (usage(w, 3, "expect message \"text\"")) {
            const QStringList& shown = services_->messages.shown();
            if (messagesChecked_ < shown.size()) {
                const QString got = shown.at(messagesChecked_++);
                check(got == w[2].text, QStringLiteral("message ") + quoted(w[2].text),
                      QStringLiteral("message ") + quoted(got));
            } else {
                fail(QStringLiteral("message ") + quoted(w[2].text), QStringLiteral("no message"));
            }
        }
    } else if (what == QLatin1String("no-message")) {
        if (usage(w, 2, "expect no-message")) {
            const QStringList& shown = services_->messages.shown();
            const qsizetype left = shown.size() - messagesChecked_;
            check(left <= 0, QStringLiteral("no message"),
                  left <= 0
                      ? QString()
                      : QStringLiteral("message ") + quoted(shown.at(messagesChecked_)) +
                            (left > 1 ? QStringLiteral(" and %1 more").arg(left - 1) : QString()));
        }
    } else if (what == QLatin1String("file")) {
        std::optional<QString> text;
        if (usage(w, 4, "expect file NAME \"text\"") && readFile(w[2].text, text)) {
            check(text && *text == w[3].text,
                  QStringLiteral("file %1 ").arg(w[2].text) + quoted(w[3].text),
                  text ? quoted(*text) : QStringLiteral("no such file"));
        }
    } else if (what == QLatin1String("file-line")) {
        std::optional<QString> text;
        qint64 i = 0;
        if (usage(w, 5, "expect file-line NAME I \"text\"") && number(w[3], i) &&
            readFile(w[2].text, text)) {
            const QString expected =
                QStringLiteral("line %1 of %2 ").arg(i).arg(w[2].text) + quoted(w[4].text);
            if (!text) {
                fail(expected, QStringLiteral("no such file"));
            } else {
                const QStringList lines = crLines(*text);
                if (i < 1 || i > lines.size()) {
                    fail(expected, QStringLiteral("no line %1 (the file has %2 lines)")
                                       .arg(i)
                                       .arg(lines.size()));
                } else {
                    check(lines.at(i - 1) == w[4].text, expected, quoted(lines.at(i - 1)));
                }
            }
        }
    } else if (what == QLatin1String("file-lines")) {
        std::optional<QString> text;
        qint64 n = 0;
        if (usage(w, 4, "expect file-lines NAME N") && number(w[3], n) &&
            readFile(w[2].text, text)) {
            const QString expected = QStringLiteral("%1 lines in %2").arg(n).arg(w[2].text);
            if (!text) {
                fail(expected, QStringLiteral("no such file"));
            } else {
                const qsizetype got = crLines(*text).size();
                check(got == n, expected, QStringLiteral("%1 lines").arg(got));
            }
        }
    } else if (what == QLatin1String("no-file")) {
        std::optional<QString> text;
        if (usage(w, 3, "expect no-file NAME") && readFile(w[2].text, text)) {
            bool ok = false;
            const bool exists = QFile::exists(dataPath(w[2].text, ok));
            check(!exists, QStringLiteral("no file %1").arg(w[2].text),
                  text ? QStringLiteral("file ") + quoted(*text) : QStringLiteral("a file"));
        }
    } else if (what == QLatin1String("requested")) {
        if (usage(w, 3, "expect requested \"part\"")) {
            const QStringList urls = services_->http.takeRequests();
            const bool found = std::any_of(urls.begin(), urls.end(),
                                           [&](const QString& u) { return u.contains(w[2].text); });
            check(found, QStringLiteral("a request for ") + quoted(w[2].text),
                  urls.isEmpty()
                      ? QStringLiteral("no request")
                      : QStringLiteral("requests ") + quoted(urls.join(QStringLiteral("; "))));
        }
    } else if (what == QLatin1String("no-request")) {
        if (usage(w, 2, "expect no-request")) {
            const QStringList urls = services_->http.takeRequests();
            check(urls.isEmpty(), QStringLiteral("no request"),
                  QStringLiteral("requests ") + quoted(urls.join(QStringLiteral("; "))));
        }
    } else if (what == QLatin1String("inputs")) {
        if (usage(w, 3, "expect inputs \"events\"")) {
            const QString got = services_->input.takeEvents();
            check(got == w[2].text, QStringLiteral("inputs ") + quoted(w[2].text), quoted(got));
        }
    } else if (what == QLatin1String("cursor")) {
        qint64 x = 0;
        qint64 y = 0;
        if (usage(w, 4, "expect cursor X Y") && number(w[2], x) && number(w[3], y)) {
            const QPoint p = services_->input.cursorPos();
            check(p.x() == x && p.y() == y, QStringLiteral("cursor %1 %2").arg(x).arg(y),
                  QStringLiteral("%1 %2").arg(p.x()).arg(p.y()));
        }
    } else if (what == QLatin1String("launched")) {
        if (usage(w, 3, "expect launched \"text\"")) {
            const QString got = services_->launcher.last();
            check(got == w[2].text, QStringLiteral("launched ") + quoted(w[2].text),
                  got.isEmpty() ? QStringLiteral("nothing launched") : quoted(got));
        }
    } else if (what == QLatin1String("beeps")) {
        qint64 n = 0;
        if (usage(w, 3, "expect beeps N") && number(w[2], n)) {
            const int got = services_->beeper.count();
            check(got == n, QStringLiteral("%1 beeps").arg(n), QStringLiteral("%1").arg(got));
        }
    } else if (what == QLatin1String("ended") || what == QLatin1String("alive")) {
        if (usage(w, 2, what == QLatin1String("ended") ? "expect ended" : "expect alive")) {
            const bool ended = console_->ended();
            check(ended == (what == QLatin1String("ended")), what,
                  ended ? QStringLiteral("ended") : QStringLiteral("alive"));
        }
    } else {
        expectValue(w);
    }
}

bool Session::expectValue(const Words& w) {
    if (w.size() < 3) {
        error(line_, QStringLiteral("usage: expect NAME.Property VALUE"));
        return false;
    }
    QString why;
    const auto r = parseValueRef(w[1].text, why);
    if (!r) {
        error(line_, why);
        return false;
    }
    QVariant actual;
    switch (r->kind) {
    case Ref::Kind::State:
        actual = console_->stateField(r->name);
        if (!actual.isValid()) {
            error(line_, QStringLiteral("unknown state field: %1").arg(r->name));
            return false;
        }
        break;
    case Ref::Kind::Window: {
        Form* f = formOf(*r);
        if (f == nullptr) {
            return false;
        }
        actual = f->property(r->prop);
        break;
    }
    case Ref::Kind::Control: {
        Control* c = controlOf(*r);
        if (c == nullptr) {
            return false;
        }
        actual = c->property(r->prop);
        break;
    }
    }
    if (!actual.isValid()) {
        error(line_, QStringLiteral("unknown property: %1").arg(r->display()));
        return false;
    }
    // A value of several words is one text: ConsoleState.cursorPoint 10 20.
    QStringList parts;
    QStringList shown;
    for (qsizetype i = 2; i < w.size(); ++i) {
        parts.append(w[i].text);
        shown.append(written(w[i]));
    }
    const QString expected = parts.join(QLatin1Char(' '));
    if (matches(actual, expected)) {
        pass();
    } else {
        fail(r->display() + QLatin1Char(' ') + shown.join(QLatin1Char(' ')),
             render(actual, r->prop));
    }
    return true;
}

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
            const Control* cp = c.get();
            QStringList props = controlProps;
            if (auto* combo = dynamic_cast<const ComboBox*>(cp)) {
                for (qsizetype i = 0; i < combo->list().size(); ++i) {
                    props.append(QStringLiteral("List(%1)").arg(i));
                }
            }
            line(
                f->name() + QLatin1Char('.') + cp->displayName(),
                [cp](const QString& p) { return cp->property(p); }, props);
        }
    }
    for (const QString& n : console_->stateFieldNames()) {
        out_ << n << " = " << render(console_->stateField(n), n) << '\n';
    }
    out_ << "clipboard = " << quoted(services_->clipboard.text()) << '\n';
    out_.flush();
}

} // namespace vellaro::scenario
