#include "strips/Squawk.h"

#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "network/AtcClient.h"
#include "network/SquawksInUse.h"

#include <cmath>

namespace vellaro {

namespace {

const QString kSquawkFile = QStringLiteral("squawk.txt");
constexpr long kHighestCode = 7777;
constexpr Colour kConflictColour = 0x80C0FF;
// Every code of the count once, and a few more: then all are in use.
constexpr int kAllCodes = 4096 + 8;

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

bool isReservedSquawk(const QString& code) {
    static const QStringList reserved = {QStringLiteral("0000"), QStringLiteral("1200"),
                                         QStringLiteral("2000"), QStringLiteral("7000"),
                                         QStringLiteral("7500"), QStringLiteral("7600"),
                                         QStringLiteral("7700")};
    return reserved.contains(code);
}

QString advanceSquawk(const QString& code, const std::function<bool(const QString&)>& inUse) {
    QString v = nextSquawkCode(code);
    for (int i = 0; i < kAllCodes && (isReservedSquawk(v) || inUse(v)); ++i) {
        v = nextSquawkCode(v);
    }
    return v;
}

Squawk::Squawk(MainWindow& window, ChartWindow& charts, ConsoleState& state, WeatherState& weather,
               const DataFiles& files, SquawksInUse& inUse, AtcClient& atc)
    : w_(window), charts_(charts), state_(state), weather_(weather), files_(files), inUse_(inUse),
      atc_(atc) {
    for (int n = 0; n < kStripRows; ++n) {
        TextBox& box = w_.Text10[n];
        box.onChange = [this, n] { Text10_Change(n); };
        box.onDblClick = [this, n] { Text10_DblClick(n); };
        box.onGotFocus = [this, n] { Text10_GotFocus(n); };
    }
    w_.Command38.onClick = [this] { Command38_Click(); };
    w_.Command20.onClick = [this] { Command20_Click(); };
    w_.Text12.onClick = [this] { Text12_Click(); };
    inUse_.onChanged = [this] {
        for (int n = 0; n < kStripRows; ++n) {
            markConflict(n);
        }
    };
}

void Squawk::loadsquawk() {
    const auto r = files_.readLines(kSquawkFile);
    if (!r.ok()) {
        return;
    }
    const QStringList& lines = r.lines;
    if (lines.size() > 0) {
        state_.startSquawk = lines[0];
    }
    if (lines.size() > 1) {
        state_.lastSquawk = lines[1];
    }
    if (lines.size() > 2) {
        weather_.atisStation = lines[2];
        w_.Text6.setText(weather_.atisStation);
    }
    if (lines.size() > 3) {
        weather_.letterIndex = text::numericValue(lines[3]);
    }
}

void Squawk::savesquawk() {
    const QStringList lines = {oneLine(state_.startSquawk), oneLine(w_.Text13.text()),
                               oneLine(weather_.atisStation),
                               text::formatLikeStr(weather_.letterIndex)};
    // Through a save file, so a crash mid-write leaves the old file whole; a locked
    // folder only loses this run's sequence, silently.
    files_.replaceFile(kSquawkFile, lines);
}

void Squawk::Text10_Change(int n) {
    TextBox& next = w_.Text13;
    if (next.text().isEmpty()) {
        next.setText(QString::fromLatin1(kDefaultSquawk));
    }
    TextBox& box = w_.Text10[n];
    markConflict(n);
    if (box.text() != QLatin1String("a")) {
        return;
    }
    const QString own = rowCallsign(n);
    const auto inUse = [&](const QString& c) { return !inUse_.holderOf(c, own).isEmpty(); };
    QString code = next.text();
    if (inUse(code)) {
        code = advanceSquawk(code, inUse);
    }
    box.setText(code);
    w_.form.setFocus(w_.Text11[n]);
    w_.hideFlightPlan();
    state_.lastSquawk = advanceSquawk(code, inUse);
    next.setText(state_.lastSquawk);
    // At once, so a console that dies does not hand these codes out again.
    savesquawk();
    labelSquawk(n, code);
}

QString Squawk::rowCallsign(int n) const {
    const QStringList words = w_.Text7[n].text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last().toUpper();
}

void Squawk::labelSquawk(int n, const QString& code) {
    const QString callsign = rowCallsign(n);
    if (callsign.isEmpty() || !atc_.up() || transponderCode(code) != code ||
        !inUse_.isTarget(callsign)) {
        return;
    }
    const auto refusal = atc_.labelSquawk(callsign, code);
    if (!refusal) {
        return;
    }
    refusals_[std::size_t(n)] = refusal->isEmpty()
                                    ? Refusal{}
                                    : Refusal{code, QStringLiteral("Nicht gesetzt: ") + *refusal};
    markConflict(n);
}

void Squawk::markConflict(int n) {
    TextBox& box = w_.Text10[n];
    const QString code = box.text().trimmed();
    const QString other = inUse_.holderOf(code, rowCallsign(n));
    if (!other.isEmpty()) {
        box.setBackColor(kConflictColour);
        box.setToolTip(QStringLiteral("Squawk %1 auch bei %2").arg(code, other));
        return;
    }
    box.setBackColor(kDefaultColour);
    const Refusal& r = refusals_[std::size_t(n)];
    box.setToolTip(!r.code.isEmpty() && r.code == code ? r.text : QString());
}

void Squawk::Text10_DblClick(int n) {
    w_.Text10[n].setText(QString());
}

void Squawk::Text10_GotFocus(int n) {
    charts_.form.setVisible(false);
}

void Squawk::Command38_Click() {
    TextBox& station = w_.Text6;
    const QString shownStation = station.text();
    const QString last = state_.lastSquawk;
    loadsquawk();
    w_.Text13.setText(state_.startSquawk);
    state_.lastSquawk = last;
    station.setText(shownStation);
    savesquawk();
}

void Squawk::Command20_Click() {
    w_.Text13.setText(state_.lastSquawk);
    savesquawk();
}

void Squawk::Text12_Click() {
    w_.Text12.setText(QString());
}

} // namespace vellaro
