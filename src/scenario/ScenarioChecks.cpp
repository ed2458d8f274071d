#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "core/DataFiles.h"
#include "scenario/Fakes.h"
#include "scenario/ScenarioValues.h"

#include <QFile>

// The expect lines.
namespace vellaro::scenario {

namespace {

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

Session::Table Session::checks() {
    // A word not listed here starts a name with a value: expect Text6.Text "EDDT".
    static constexpr Command table[] = {
        {"focus", 3, "expect focus CTRL", true, &Session::expectFocus},
        {"clipboard", 3, "expect clipboard \"text\"", true, &Session::expectClipboard},
        {"message", 3, "expect message \"text\"", true, &Session::expectMessage},
        {"no-message", 2, "expect no-message", true, &Session::expectNoMessage},
        {"file", 4, "expect file NAME \"text\"", true, &Session::expectFile},
        {"file-line", 5, "expect file-line NAME I \"text\"", true, &Session::expectFileLine},
        {"file-lines", 4, "expect file-lines NAME N", true, &Session::expectFileLines},
        {"no-file", 3, "expect no-file NAME", true, &Session::expectNoFile},
        {"requested", 3, "expect requested \"part\"", true, &Session::expectRequested},
        {"no-request", 2, "expect no-request", true, &Session::expectNoRequest},
        {"inputs", 3, "expect inputs \"events\"", true, &Session::expectInputs},
        {"cursor", 4, "expect cursor X Y", true, &Session::expectCursor},
        {"launched", 3, "expect launched \"text\"", true, &Session::expectLaunched},
        {"beeps", 3, "expect beeps N", true, &Session::expectBeeps},
        {"ended", 2, "expect ended", true, &Session::expectEnded},
        {"alive", 2, "expect alive", true, &Session::expectAlive},
        {"atc-sent", 3, "expect atc-sent \"request\"", true, &Session::expectAtcSent},
        {"atc-none", 2, "expect atc-none", true, &Session::expectAtcNone},
    };
    return table;
}

void Session::cmdExpect(const Words& w) {
    if (w.size() < 2) {
        error(line_, QStringLiteral("usage: expect WHAT ..."));
    } else if (!dispatch(checks(), w, 1)) {
        expectValue(w);
    }
}

void Session::checkText(const char* what, const Word& want, const QString& got,
                        const QString& shown) {
    check(got == want.text, QLatin1String(what) + QLatin1Char(' ') + quoted(want.text), shown);
}

void Session::expectFocus(const Words& w) {
    Control* c = control(w[2].text);
    if (c == nullptr) {
        return;
    }
    const Control* has = c->form().focused();
    const QString got = has == nullptr ? QStringLiteral("no focus in %1").arg(c->form().name())
                                       : QStringLiteral("focus on %1").arg(has->displayName());
    check(has == c, QStringLiteral("focus on %1").arg(c->displayName()), got);
}

void Session::expectClipboard(const Words& w) {
    const QString got = services_->clipboard.text();
    checkText("clipboard", w[2], got, quoted(got));
}

void Session::expectMessage(const Words& w) {
    const QStringList& shown = services_->messages.shown();
    if (messagesChecked_ >= shown.size()) {
        fail(QStringLiteral("message ") + quoted(w[2].text), QStringLiteral("no message"));
        return;
    }
    const QString got = shown.at(messagesChecked_++);
    checkText("message", w[2], got, QStringLiteral("message ") + quoted(got));
}

void Session::expectNoMessage(const Words&) {
    const QStringList& shown = services_->messages.shown();
    const qsizetype left = shown.size() - messagesChecked_;
    if (left <= 0) {
        pass();
        return;
    }
    fail(QStringLiteral("no message"),
         QStringLiteral("message ") + quoted(shown.at(messagesChecked_)) +
             (left > 1 ? QStringLiteral(" and %1 more").arg(left - 1) : QString()));
}

void Session::expectFile(const Words& w) {
    std::optional<QString> text;
    if (readDataFile(w[2].text, text)) {
        check(text && *text == w[3].text,
              QStringLiteral("file %1 ").arg(w[2].text) + quoted(w[3].text),
              text ? quoted(*text) : QStringLiteral("no such file"));
    }
}

void Session::expectFileLine(const Words& w) {
    std::optional<QString> text;
    qint64 i = 0;
    if (!number(w[3], i) || !readDataFile(w[2].text, text)) {
        return;
    }
    const QString expected =
        QStringLiteral("line %1 of %2 ").arg(i).arg(w[2].text) + quoted(w[4].text);
    if (!text) {
        fail(expected, QStringLiteral("no such file"));
        return;
    }
    const QStringList lines = crLines(*text);
    if (i < 1 || i > lines.size()) {
        fail(expected,
             QStringLiteral("no line %1 (the file has %2 lines)").arg(i).arg(lines.size()));
        return;
    }
    check(lines.at(i - 1) == w[4].text, expected, quoted(lines.at(i - 1)));
}

void Session::expectFileLines(const Words& w) {
    std::optional<QString> text;
    qint64 n = 0;
    if (!number(w[3], n) || !readDataFile(w[2].text, text)) {
        return;
    }
    const QString expected = QStringLiteral("%1 lines in %2").arg(n).arg(w[2].text);
    if (!text) {
        fail(expected, QStringLiteral("no such file"));
        return;
    }
    const qsizetype got = crLines(*text).size();
    check(got == n, expected, QStringLiteral("%1 lines").arg(got));
}

void Session::expectNoFile(const Words& w) {
    std::optional<QString> text;
    if (!readDataFile(w[2].text, text)) {
        return;
    }
    // Something there that cannot be read (a folder of that name) is there all the same.
    bool ok = false;
    const bool exists = QFile::exists(dataPath(w[2].text, ok));
    check(!exists, QStringLiteral("no file %1").arg(w[2].text),
          text ? QStringLiteral("file ") + quoted(*text) : QStringLiteral("a file"));
}

void Session::expectRequested(const Words& w) {
    const QStringList urls = services_->http.takeRequests();
    const bool found = std::any_of(urls.begin(), urls.end(),
                                   [&](const QString& u) { return u.contains(w[2].text); });
    check(found, QStringLiteral("a request for ") + quoted(w[2].text),
          urls.isEmpty() ? QStringLiteral("no request")
                         : QStringLiteral("requests ") + quoted(urls.join(QStringLiteral("; "))));
}

void Session::expectNoRequest(const Words&) {
    const QStringList urls = services_->http.takeRequests();
    check(urls.isEmpty(), QStringLiteral("no request"),
          QStringLiteral("requests ") + quoted(urls.join(QStringLiteral("; "))));
}

void Session::expectInputs(const Words& w) {
    const QString got = services_->input.takeEvents();
    checkText("inputs", w[2], got, quoted(got));
}

void Session::expectCursor(const Words& w) {
    qint64 x = 0;
    qint64 y = 0;
    if (!number(w[2], x) || !number(w[3], y)) {
        return;
    }
    const QPoint p = services_->input.cursorPos();
    check(p.x() == x && p.y() == y, QStringLiteral("cursor %1 %2").arg(x).arg(y),
          QStringLiteral("%1 %2").arg(p.x()).arg(p.y()));
}

void Session::expectLaunched(const Words& w) {
    const QString got = services_->launcher.last();
    checkText("launched", w[2], got,
              got.isEmpty() ? QStringLiteral("nothing launched") : quoted(got));
}

void Session::expectBeeps(const Words& w) {
    qint64 n = 0;
    if (number(w[2], n)) {
        const int got = services_->beeper.count();
        check(got == n, QStringLiteral("%1 beeps").arg(n), QStringLiteral("%1").arg(got));
    }
}

void Session::expectEnded(const Words&) {
    const bool ended = console_->ended();
    check(ended, QStringLiteral("ended"), QStringLiteral("alive"));
}

void Session::expectAlive(const Words&) {
    const bool ended = console_->ended();
    check(!ended, QStringLiteral("alive"), QStringLiteral("ended"));
}

void Session::expectAtcSent(const Words& w) {
    const QStringList sent = services_->atcClient.takeSent();
    check(sent.contains(w[2].text),
          QStringLiteral("a request ") + quoted(w[2].text) + QStringLiteral(" to the ATC client"),
          sent.isEmpty() ? QStringLiteral("none")
                         : QStringLiteral("requests ") + quoted(sent.join(QStringLiteral("; "))));
}

void Session::expectAtcNone(const Words&) {
    const QStringList sent = services_->atcClient.takeSent();
    check(sent.isEmpty(), QStringLiteral("no request to the ATC client"),
          QStringLiteral("requests ") + quoted(sent.join(QStringLiteral("; "))));
}

QVariant Session::valueOf(const Ref& r) {
    if (r.kind == Ref::Kind::State) {
        QVariant v = console_->stateField(r.name);
        if (!v.isValid()) {
            error(line_, QStringLiteral("unknown state field: %1").arg(r.name));
        }
        return v;
    }
    QVariant v;
    if (r.kind == Ref::Kind::Window) {
        const Form* f = formOf(r);
        if (f == nullptr) {
            return {};
        }
        v = f->property(r.prop);
    } else {
        const Control* c = controlOf(r);
        if (c == nullptr) {
            return {};
        }
        v = c->property(r.prop);
    }
    if (!v.isValid()) {
        error(line_, QStringLiteral("unknown property: %1").arg(r.display()));
    }
    return v;
}

void Session::expectValue(const Words& w) {
    if (w.size() < 3) {
        error(line_, QStringLiteral("usage: expect NAME.Property VALUE"));
        return;
    }
    const auto r = parsed(parseValueRef, w[1].text);
    const QVariant actual = r ? valueOf(*r) : QVariant();
    if (!actual.isValid()) {
        return;
    }
    // A value of several words is one text: ConsoleState.cursorPoint 10 20.
    QStringList parts;
    QStringList shown;
    for (qsizetype i = 2; i < w.size(); ++i) {
        parts.append(w[i].text);
        shown.append(written(w[i]));
    }
    check(matches(actual, parts.join(QLatin1Char(' '))),
          r->display() + QLatin1Char(' ') + shown.join(QLatin1Char(' ')), render(actual, r->prop));
}

} // namespace vellaro::scenario
