#include "weather/AtisLetter.h"

#include "core/Console.h"
#include "weather/AtisTexts.h"

#include <array>
#include <cmath>

namespace vellaro {

namespace {

constexpr int kLetters = 26;

// "Fox" and "Quebek" are how this console has always spelled them on the air.
const std::array<const char*, kLetters> kWords = {
    "Alpha",  "Bravo", "Charlie", "Delta",  "Echo",     "Fox",   "Golf",   "Hotel",  "India",
    "Juliet", "Kilo",  "Lima",    "Mike",   "November", "Oscar", "Papa",   "Quebek", "Romeo",
    "Sierra", "Tango", "Uniform", "Victor", "Whiskey",  "X-Ray", "Yankee", "Zulu"};

bool isWholeIn(double v, int lo, int hi) {
    return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi;
}

} // namespace

AtisLetter::AtisLetter(Console& console) : c_(console) {
    Form& f = c_.form1();
    TextBox& letter = f.text(QStringLiteral("Text18"));
    letter.onChange = [this] { Text18_Change(); };
    letter.onDblClick = [this] { Text18_DblClick(); };
    f.label(QStringLiteral("Label17")).onDblClick = [this] { Label17_DblClick(); };
    f.timer(QStringLiteral("Timer6")).onTimer = [this] { Timer6_Timer(); };
}

QString AtisLetter::wordFor(double index) {
    if (!isWholeIn(index, 1, kLetters)) {
        return {};
    }
    return QString::fromLatin1(kWords[std::size_t(index) - 1]);
}

void AtisLetter::abc() {
    double& index = c_.weather.letterIndex;
    // 27 means Zulu went out last. Anything else outside the alphabet (a broken
    // squawk.txt) restarts at Alpha too, so the letter can never get stuck.
    if (!isWholeIn(index, 1, kLetters)) {
        index = 1;
    }
    c_.weather.letterWord = wordFor(index);
    index += 1;
}

void AtisLetter::Text18_Change() {
    TextBox& box = c_.form1().text(QStringLiteral("Text18"));
    box.setText(box.text().toUpper());
    const QString t = box.text();
    if (t.isEmpty()) {
        return;
    }
    const int code = t.at(0).unicode();
    // A digit or other stray key in the box leaves the sequence alone.
    if (code < 'A' || code > 'Z') {
        return;
    }
    c_.weather.letterIndex = code - 64;
    abc();
}

void AtisLetter::Text18_DblClick() {
    c_.form1().text(QStringLiteral("Text18")).setText(QString());
}

void AtisLetter::Label17_DblClick() {
    restartAtAlpha(true);
}

void AtisLetter::restartAtAlpha(bool flash) {
    if (flash) {
        flashOk();
    }
    c_.form1().text(QStringLiteral("Text18")).setText(QStringLiteral("A"));
    c_.weather.letterIndex = 1;
    abc();
    c_.atisTexts().abc1();
    // The next new observation is Alpha again.
    c_.weather.letterIndex -= 1;
}

void AtisLetter::flashOk() {
    Form& f = c_.form1();
    f.label(QStringLiteral("Label18")).setVisible(false);
    f.label(QStringLiteral("Label19")).setVisible(true);
    f.timer(QStringLiteral("Timer6")).setTimerEnabled(true);
}

void AtisLetter::Timer6_Timer() {
    Form& f = c_.form1();
    f.label(QStringLiteral("Label19")).setVisible(false);
    f.label(QStringLiteral("Label26")).setVisible(false);
    f.label(QStringLiteral("Label18")).setVisible(true);
    f.timer(QStringLiteral("Timer6")).setTimerEnabled(false);
}

} // namespace vellaro
