#include "weather/AtisLetter.h"

#include "core/MainWindow.h"
#include "core/WeatherState.h"
#include "weather/AtisTexts.h"
#include "weather/OkFlash.h"

#include <array>
#include <cmath>

namespace vellaro {

namespace {

constexpr int kLetters = 26;
// Letters count from 1 = A.
constexpr int kIndexOfA = 1;

// "Fox" and "Quebek" are how this console has always spelled them on the air.
const std::array<const char*, kLetters> kWords = {
    "Alpha",  "Bravo", "Charlie", "Delta",  "Echo",     "Fox",   "Golf",   "Hotel",  "India",
    "Juliet", "Kilo",  "Lima",    "Mike",   "November", "Oscar", "Papa",   "Quebek", "Romeo",
    "Sierra", "Tango", "Uniform", "Victor", "Whiskey",  "X-Ray", "Yankee", "Zulu"};

bool isWholeIn(double v, int lo, int hi) {
    return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi;
}

} // namespace

AtisLetter::AtisLetter(MainWindow& window, WeatherState& weather, AtisTexts& texts, OkFlash& flash)
    : w_(window), weather_(weather), texts_(texts), flash_(flash) {
    w_.Text18.onChange = [this] { Text18_Change(); };
    w_.Text18.onDblClick = [this] { Text18_DblClick(); };
    w_.Label17.onDblClick = [this] { Label17_DblClick(); };
}

QString AtisLetter::wordFor(double index) {
    if (!isWholeIn(index, 1, kLetters)) {
        return {};
    }
    return QString::fromLatin1(kWords[std::size_t(index) - 1]);
}

void AtisLetter::abc() {
    double& index = weather_.letterIndex;
    // 27 means Zulu went out last. Anything else outside the alphabet (a broken
    // squawk.txt) restarts at Alpha too, so the letter can never get stuck.
    if (!isWholeIn(index, 1, kLetters)) {
        index = kIndexOfA;
    }
    weather_.letterWord = wordFor(index);
    index += 1;
}

void AtisLetter::Text18_Change() {
    TextBox& box = w_.Text18;
    box.setText(box.text().toUpper());
    const QString t = box.text();
    if (t.isEmpty()) {
        return;
    }
    const QChar letter = t.at(0);
    // A digit or other stray key in the box leaves the sequence alone.
    if (letter < QLatin1Char('A') || letter > QLatin1Char('Z')) {
        return;
    }
    weather_.letterIndex = letter.unicode() - 'A' + kIndexOfA;
    abc();
}

void AtisLetter::Text18_DblClick() {
    w_.Text18.setText(QString());
}

void AtisLetter::Label17_DblClick() {
    restartAtAlpha(true);
}

void AtisLetter::restartAtAlpha(bool flash) {
    if (flash) {
        flash_.flashOk();
    }
    w_.Text18.setText(QStringLiteral("A"));
    weather_.letterIndex = kIndexOfA;
    abc();
    texts_.abc1();
    // The next new observation is Alpha again.
    weather_.letterIndex -= 1;
}

} // namespace vellaro
