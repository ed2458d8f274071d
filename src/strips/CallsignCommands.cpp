#include "strips/CallsignCommands.h"

#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/DisplayModes.h"
#include "core/GroundInfoWindow.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "flightlog/TodaysFlights.h"
#include "strips/CallsignLookups.h"
#include "strips/SidCharts.h"
#include "strips/Squawk.h"
#include "strips/Telephony.h"
#include "weather/AtisLetter.h"
#include "weather/AtisTexts.h"
#include "weather/OkFlash.h"

#include <algorithm>
#include <array>

namespace vellaro {

using text::left;
using text::mid;
using text::right;

namespace {

// An airline key is three characters long.
constexpr int kTelephonyLength = 3;
// Behind the last character, however long the box text has become.
constexpr int kCaretBehindText = 100;
// "rel1" widens the window onto the two "C" buttons beside it; "rel0" narrows it again.
constexpr int kReleaseWidth = 11700;
constexpr int kNarrowWidth = 11220;
// "111" to "777": the window's height for one to seven rows.
constexpr int kRowsBaseHeight = 2060;
constexpr int kRowHeight = 415;
// "???" shows the whole help in rows 0 to 4; rows 5 and 6 get only its first line.
constexpr int kFirstRowWithoutFullHelp = 5;

// The voice servers of the German voice service, selected by "de.ts" to "de4.ts".
const std::array<QString, 4> kVoiceServers = {
    QStringLiteral("de.ts.ivao.org"), QStringLiteral("de2.ts.ivao.org"),
    QStringLiteral("de3.ts.ivao.org"), QStringLiteral("de4.ts.ivao.org")};

const QString kBang = QStringLiteral("!");
const QString kDot = QStringLiteral(".");
const QString kHostEnd = QStringLiteral("org");
// "dep" and an ICAO code.
constexpr int kDepLength = 7;

// ---- How a box text is tested against a command word. Exact and case-sensitive.

bool equals(const QString& t, const QString& word) {
    return t == word;
}

// "freq 121.9!": the word first, "!" last.
bool wordThenBang(const QString& t, const QString& word) {
    return left(t, word.size()) == word && right(t, 1) == kBang;
}

// ".key.": a dot at either end and something between them.
bool betweenDots(const QString& t, const QString& dot) {
    return left(t, 1) == dot && right(t, 1) == dot && t.size() > 2;
}

// "suchDLH.": the word first, a dot last.
bool wordThenDot(const QString& t, const QString& word) {
    return left(t, word.size()) == word && right(t, 1) == kDot;
}

// "rw:voice.example.org": any host that ends in "org".
bool voiceHost(const QString& t, const QString& word) {
    return left(t, word.size()) == word && right(t, 3) == kHostEnd;
}

bool startsWith(const QString& t, const QString& word) {
    return left(t, word.size()) == word;
}

// "depEDDT".
bool wordAndCode(const QString& t, const QString& word) {
    return left(t, word.size()) == word && t.size() == kDepLength;
}

} // namespace

const QString CallsignCommands::kHelpLine1 =
    QStringLiteral("clr, imm/adv,eins/zwei,atc/con,ip?,sid");
const QString CallsignCommands::kHelpLine2 =
    QStringLiteral("autosid/nosid,de.ts,de2.ts,de3.ts,de4.ts");
const QString CallsignCommands::kHelpLine3 = QStringLiteral("rw:myserver.ivao.org / suchxxx.");
const QString CallsignCommands::kHelpLine4 =
    QStringLiteral("+++/---/www/qqq/rrr/111-777/rel0/rel1");

std::span<const CallsignCommands::Command> CallsignCommands::commands() {
    using C = CallsignCommands;
    // Tried in this order, every one of them, on every change of a callsign box.
    static const Command kCommands[] = {
        {"rel1", equals, &C::rel1},
        {"rel0", equals, &C::rel0},
        {"atis", equals, &C::atis},
        {"alpha", equals, &C::alpha},
        {"freq", wordThenBang, &C::atcFrequency},
        {"rem", wordThenBang, &C::contactFrequency},
        {"atc", wordThenBang, &C::atcFrequency},
        {"con", wordThenBang, &C::contactFrequency},
        {"clear", equals, &C::clear},
        {"clr", equals, &C::clear},
        {".", betweenDots, &C::textMacro},
        {"..", equals, &C::hideMacro},
        {"prüf", equals, &C::pruef},
        {"wech", equals, &C::wech},
        {"imm", equals, &C::imm},
        {"adv", equals, &C::adv},
        {"de.ts", equals, &C::voiceServer, 0},
        {"de2.ts", equals, &C::voiceServer, 1},
        {"de3.ts", equals, &C::voiceServer, 2},
        {"de4.ts", equals, &C::voiceServer, 3},
        {"rw:", voiceHost, &C::rw},
        {"???", equals, &C::help},
        {"rrr", equals, &C::rrr},
        {"such", wordThenDot, &C::such},
        {"+++", equals, &C::raise},
        {"---", equals, &C::oneStrip},
        {"www", equals, &C::www},
        {"qqq", equals, &C::qqq},
        {"#", startsWith, &C::clearFirstRow},
        {"111", equals, &C::rows, 1},
        {"222", equals, &C::rows, 2},
        {"333", equals, &C::rows, 3},
        {"444", equals, &C::rows, 4},
        {"555", equals, &C::rows, 5},
        {"666", equals, &C::rows, 6},
        {"777", equals, &C::rows, 7},
        {"autosid", equals, &C::autosid},
        {"nosid", equals, &C::nosid},
        {"'", equals, &C::today},
        {"dep", wordAndCode, &C::dep},
        {"sid", equals, &C::sid},
        {"ip?", equals, &C::ip},
        {"eins", equals, &C::groundMarks, 1},
        {"zwei", equals, &C::groundMarks, 2},
    };
    return kCommands;
}

CallsignCommands::CallsignCommands(MainWindow& window, ChartWindow& charts,
                                   GroundInfoWindow& ground, ConsoleState& state,
                                   WeatherState& weather, Uses features, Program program)
    : w_(window), charts_(charts), ground_(ground), state_(state), weather_(weather),
      uses_(features), program_(std::move(program)) {}

void CallsignCommands::aircraft(int row) {
    TextBox& box = w_.Text7[row];
    if (box.text().size() == kTelephonyLength) {
        state_.lookupRow = row;
        uses_.telephony.airlines();
        box.setSelStart(kCaretBehindText);
    }
    for (const Command& c : commands()) {
        if (c.matches(box.text(), QString::fromUtf8(c.word))) {
            (this->*c.run)(row, c);
        }
        // After "qqq" the program is gone; nothing more may touch it.
        if (program_.ended()) {
            return;
        }
    }
    // Emptying the box re-runs this nested; whichever run sees the mark first shows
    // the "OK", so a command confirms once.
    if (state_.commandHandled != 0) {
        uses_.flash.confirmCommand(weather_.voiceServer);
        state_.commandHandled = 0;
    }
}

void CallsignCommands::empty(int row) {
    w_.Text7[row].setText(QString());
}

void CallsignCommands::handled() {
    state_.commandHandled = 1;
}

void CallsignCommands::rel1(int row, const Command&) {
    empty(row);
    w_.form.setWidth(kReleaseWidth);
    w_.Command51.setVisible(true);
    w_.Command52.setVisible(true);
    handled();
}

void CallsignCommands::rel0(int row, const Command&) {
    // The two "C" buttons stay visible, outside the narrower window.
    empty(row);
    w_.form.setWidth(kNarrowWidth);
    handled();
}

void CallsignCommands::atis(int row, const Command&) {
    empty(row);
    uses_.texts.abc1();
    handled();
}

void CallsignCommands::alpha(int row, const Command&) {
    empty(row);
    uses_.letter.restartAtAlpha(false);
    handled();
}

namespace {

// The text between the word's separator and the final "!"; nothing when there is
// no room for a separator ("atc!").
QString frequencyText(const QString& t, const char* word) {
    const qsizetype start = qsizetype(qstrlen(word)) + 2;
    return mid(t, start, std::max<qsizetype>(0, t.size() - start));
}

} // namespace

void CallsignCommands::atcFrequency(int row, const Command& c) {
    // The command stays in the box; the row's quick-clear removes it.
    w_.Label5.setCaption(frequencyText(w_.Text7[row].text(), c.word));
    uses_.texts.abc1();
    handled();
}

void CallsignCommands::contactFrequency(int row, const Command& c) {
    w_.Label7.setCaption(frequencyText(w_.Text7[row].text(), c.word));
    uses_.texts.abc1();
    handled();
}

void CallsignCommands::clear(int row, const Command&) {
    // No log line: the strip was never worked.
    for (TextBox* box : w_.row(row)) {
        box->setText(QString());
    }
    handled();
}

void CallsignCommands::textMacro(int row, const Command&) {
    uses_.lookups.textMacroLookup(row);
}

void CallsignCommands::hideMacro(int row, const Command&) {
    uses_.lookups.hideMacroBox(row);
}

void CallsignCommands::pruef(int row, const Command&) {
    empty(row);
    state_.checkLabelsShown = true;
    w_.Label11.setVisible(true);
    w_.Label12.setVisible(true);
    w_.Label13.setVisible(true);
    handled();
}

void CallsignCommands::wech(int row, const Command&) {
    empty(row);
    state_.checkLabelsShown = false;
    w_.Label11.setVisible(false);
    w_.Label12.setVisible(false);
    w_.Label13.setVisible(false);
    handled();
}

void CallsignCommands::imm(int row, const Command&) {
    empty(row);
    weather_.immediateContact = true;
    handled();
}

void CallsignCommands::adv(int row, const Command&) {
    empty(row);
    weather_.immediateContact = false;
    handled();
}

void CallsignCommands::voiceServer(int row, const Command& c) {
    empty(row);
    weather_.voiceServer = kVoiceServers.at(std::size_t(c.n));
    handled();
}

void CallsignCommands::rw(int row, const Command& c) {
    weather_.voiceServer = mid(w_.Text7[row].text(), qsizetype(qstrlen(c.word)) + 1);
    empty(row);
    handled();
}

void CallsignCommands::help(int row, const Command&) {
    w_.Text11[row].setText(kHelpLine1);
    if (row < kFirstRowWithoutFullHelp) {
        w_.Text11[0].setText(kHelpLine2);
        w_.Text11[1].setText(kHelpLine3);
        handled();
        w_.Text11[2].setText(kHelpLine4);
    }
    empty(row);
}

void CallsignCommands::rrr(int row, const Command&) {
    w_.Text13.setText(QString::fromLatin1(kDefaultSquawk));
    handled();
    empty(row);
}

void CallsignCommands::such(int row, const Command&) {
    uses_.lookups.callsignHistory(row);
}

void CallsignCommands::raise(int row, const Command&) {
    empty(row);
    handled();
    uses_.modes.Command54_Click();
}

void CallsignCommands::oneStrip(int row, const Command&) {
    empty(row);
    handled();
    uses_.modes.Command53_Click();
}

void CallsignCommands::www(int row, const Command&) {
    uses_.lookups.threeAirportWeather(row);
}

void CallsignCommands::qqq(int row, const Command&) {
    empty(row);
    handled();
    program_.quit();
}

void CallsignCommands::clearFirstRow(int row, const Command&) {
    // Whichever row it was typed in; nothing is logged.
    empty(row);
    handled();
    for (TextBox* box : w_.row(0)) {
        box->setText(QString());
    }
}

void CallsignCommands::rows(int row, const Command& c) {
    empty(row);
    w_.form.setHeight(kRowsBaseHeight + kRowHeight * c.n);
    handled();
    w_.Command5.setTop(kTodayButtonInHeader);
}

void CallsignCommands::autosid(int row, const Command&) {
    empty(row);
    state_.autoSid = 1;
    handled();
}

void CallsignCommands::nosid(int row, const Command&) {
    empty(row);
    state_.autoSid = 0;
    handled();
}

void CallsignCommands::today(int row, const Command&) {
    empty(row);
    uses_.today.Command5_Click();
    handled();
}

void CallsignCommands::dep(int row, const Command&) {
    uses_.lookups.aerodromeList(row);
}

void CallsignCommands::sid(int row, const Command&) {
    empty(row);
    charts_.form.setVisible(true);
    handled();
    uses_.sidCharts.sidChartDisplay();
    w_.form.setFocus(w_.Text7[row]);
}

void CallsignCommands::ip(int row, const Command&) {
    uses_.lookups.publicAddress(row);
}

void CallsignCommands::groundMarks(int row, const Command& c) {
    state_.groundMarkColumns = c.n;
    empty(row);
    handled();
    // One column: only "cl" is ticked for a departure, so "st" loses its green.
    const Colour second = c.n == 1 ? kButtonFace : kGreen;
    for (int i = 0; i < kGroundRows; ++i) {
        ground_.Check1[i].setBackColor(kGreen);
        ground_.Check2[i].setBackColor(second);
    }
}

} // namespace vellaro
