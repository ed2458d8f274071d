#include "strips/Squawk.h"

#include "core/Console.h"
#include "core/Text.h"

#include <cmath>

namespace vellaro {

namespace {

const QString kSquawkFile = QStringLiteral("squawk.txt");
constexpr long kHighestCode = 7777;

// Does the text start with a number the way numericValue reads one?
bool startsWithNumber(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) {
        ++i;
    }
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        ++i;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        ++i;
    }
    return i < s.size() && s[i].isDigit() && s[i].unicode() < 128;
}

// A value of a squawk.txt line must stay one line.
QString oneLine(QString s) {
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

} // namespace

// For four-digit codes of the digits 0 to 7 this is the classic rule (5057 -> 5060,
// 5077 -> 5100, 5777 -> 6000). Beyond it we keep the transponder's own range:
// codes below 1000 keep their leading zeros (0017 -> 0020), a hand-typed code with
// an 8 or 9 moves on to the next code a transponder can show (5058 -> 5060), after
// 7777 the count wraps to 0000, and a text that is no number starts the sequence
// again at the default 5051.
QString nextSquawkCode(const QString& assigned) {
    if (!startsWithNumber(assigned)) {
        return QString::fromLatin1(kDefaultSquawk);
    }
    const double c = text::numericValue(assigned);
    if (!std::isfinite(c) || c >= double(kHighestCode)) {
        return QStringLiteral("0000");
    }
    long v = c < 0 ? 0 : long(std::floor(c)) + 1;
    // Carry past every 8 or 9 from the left: 5058 -> 5060, 5780 -> 5800 -> 6000.
    while (v <= kHighestCode) {
        QString digits = QStringLiteral("%1").arg(v, 4, 10, QLatin1Char('0'));
        qsizetype bad = 0;
        while (bad < 4 && digits[bad] < QLatin1Char('8')) {
            ++bad;
        }
        if (bad == 4) {
            return digits;
        }
        long place = 1;
        for (qsizetype k = bad; k < 4; ++k) {
            place *= 10;
        }
        v = (v / place + 1) * place;
    }
    return QStringLiteral("0000");
}

Squawk::Squawk(Console& console) : c_(console) {
    Form& f = c_.form1();
    for (int n = 0; n < kStripRows; ++n) {
        TextBox& box = f.text(QStringLiteral("Text10"), n);
        box.onChange = [this, n] { Text10_Change(n); };
        box.onDblClick = [this, n] { Text10_DblClick(n); };
        box.onGotFocus = [this, n] { Text10_GotFocus(n); };
    }
    f.button(QStringLiteral("Command38")).onClick = [this] { Command38_Click(); };
    f.button(QStringLiteral("Command20")).onClick = [this] { Command20_Click(); };
    f.text(QStringLiteral("Text12")).onClick = [this] { Text12_Click(); };
}

void Squawk::loadsquawk() {
    const auto r = c_.files().readLines(kSquawkFile);
    if (!r.ok()) {
        return;
    }
    const QStringList& lines = r.lines;
    if (lines.size() > 0) {
        c_.state.startSquawk = lines[0];
    }
    if (lines.size() > 1) {
        c_.state.lastSquawk = lines[1];
    }
    if (lines.size() > 2) {
        c_.weather.atisStation = lines[2];
        c_.form1().text(QStringLiteral("Text6")).setText(c_.weather.atisStation);
    }
    if (lines.size() > 3) {
        c_.weather.letterIndex = text::numericValue(lines[3]);
    }
}

void Squawk::savesquawk() {
    const QStringList lines = {
        oneLine(c_.state.startSquawk), oneLine(c_.form1().text(QStringLiteral("Text13")).text()),
        oneLine(c_.weather.atisStation), text::formatLikeStr(c_.weather.letterIndex)};
    // Through a save file, so a crash mid-write leaves the old file whole; a locked
    // folder only loses this run's sequence, silently.
    c_.files().replaceFile(kSquawkFile, lines);
}

void Squawk::Text10_Change(int n) {
    Form& f = c_.form1();
    TextBox& next = f.text(QStringLiteral("Text13"));
    if (next.text().isEmpty()) {
        next.setText(QString::fromLatin1(kDefaultSquawk));
    }
    TextBox& box = f.text(QStringLiteral("Text10"), n);
    if (box.text() != QLatin1String("a")) {
        return;
    }
    const QString code = next.text();
    box.setText(code);
    f.setFocus(f.text(QStringLiteral("Text11"), n));
    for (const char* name : {"Text16", "Text17"}) {
        TextBox& plan = f.text(QString::fromLatin1(name));
        plan.setText(QString());
        plan.setVisible(false);
    }
    c_.state.lastSquawk = nextSquawkCode(code);
    next.setText(c_.state.lastSquawk);
}

void Squawk::Text10_DblClick(int n) {
    c_.form1().text(QStringLiteral("Text10"), n).setText(QString());
}

void Squawk::Text10_GotFocus(int n) {
    c_.form5().setVisible(false);
}

void Squawk::Command38_Click() {
    Form& f = c_.form1();
    TextBox& station = f.text(QStringLiteral("Text6"));
    const QString shownStation = station.text();
    const QString last = c_.state.lastSquawk;
    loadsquawk();
    f.text(QStringLiteral("Text13")).setText(c_.state.startSquawk);
    c_.state.lastSquawk = last;
    station.setText(shownStation);
}

void Squawk::Command20_Click() {
    c_.form1().text(QStringLiteral("Text13")).setText(c_.state.lastSquawk);
}

void Squawk::Text12_Click() {
    c_.form1().text(QStringLiteral("Text12")).setText(QString());
}

} // namespace vellaro
