#include "weather/AtisTexts.h"

#include "core/Conventions.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "weather/OkFlash.h"

namespace vellaro {

using text::left;
using text::mid;
using text::right;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNotam = QStringLiteral("NOTAM! Please set mode -standby- on GND.");
const QString kSeeLocal = QStringLiteral(", See local ATIS or ACARS.");

struct Tower {
    const char* station;
    QChar direction;
    const char* channel;
    const char* greeting;
    const char* runwayLines[2];
};

const Tower kTowers[] = {
    {"EDDT",
     QLatin1Char('0'),
     "/EDDT_TWR",
     "This is Berlin Tegel Information ",
     {"Expect ILS RWY 08L approach, take-off on request.", "RWY 08R for take-off."}},
    {"EDDT",
     QLatin1Char('2'),
     "/EDDT_TWR",
     "This is Berlin Tegel Information ",
     {"Expect ILS RWY 26R approach, take-off on request.", "RWY 26L for take-off."}},
    {"EDDB",
     QLatin1Char('0'),
     "/EDDB_TWR",
     "This is Berlin Schönefeld Information ",
     {"RWY 07R for landing and take-off.", nullptr}},
    {"EDDB",
     QLatin1Char('2'),
     "/EDDB_TWR",
     "This is Berlin Schönefeld Information ",
     {"RWY 25L for landing and take-off.", nullptr}},
    {"EDDI",
     QLatin1Char('0'),
     "/EDDI_TWR",
     "This is Berlin Tempelhof Information ",
     {"RWY 09R for landing and take-off.", nullptr}},
    {"EDDI",
     QLatin1Char('2'),
     "/EDDI_TWR",
     "This is Berlin Tempelhof Information ",
     {"RWY 27L for landing and take-off.", nullptr}},
};

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

AtisTexts::AtisTexts(MainWindow& window, const WeatherState& weather, Clipboard& clipboard,
                     OkFlash& flash)
    : w_(window), weather_(weather), clipboard_(clipboard), flash_(flash) {
    w_.Command10.onClick = [this] { Command10_Click(); };
    w_.Command34.onClick = [this] { Command34_Click(); };
    w_.Command37.onClick = [this] { Command37_Click(); };
}

QString AtisTexts::towerText() const {
    const WeatherState& w = weather_;
    const QString station = w_.Label8.caption();
    const QString d = left(w_.Text4.text(), 1);
    const Tower* tower = nullptr;
    for (const Tower& t : kTowers) {
        if (station == QLatin1String(t.station) && d == t.direction) {
            tower = &t;
            break;
        }
    }
    if (tower == nullptr) {
        return {};
    }
    const QString& m = w.metarTail;
    QString s = w.voiceServer + u8(tower->channel) + kCrLf;
    s += u8(tower->greeting) + w.letterWord + kCrLf;
    s += QStringLiteral("Time ") + mid(m, 1, 2) + mid(m, 3, 2) + QStringLiteral(" Zulu.") + kCrLf;
    for (const char* line : tower->runwayLines) {
        if (line != nullptr) {
            s += u8(line) + kCrLf;
        }
    }
    s += w_.Label2.caption() + kCrLf;
    // The rest of the METAR runs straight into the NOTAM sentence, as it always has.
    s += QStringLiteral("Wind is ") + mid(m, 7, 3) + QStringLiteral(" at ") + mid(m, 10, 2) +
         QLatin1Char(' ') + mid(m, 15) + kNotam + kCrLf;
    if (w.immediateContact) {
        s += QStringLiteral("Immediately after DEP contact EDBB_APP on 119.62 !") + kCrLf +
             w.letterWord + QStringLiteral(" - OUT.");
    } else {
        s += QStringLiteral("Advice that you have received information ") + w.letterWord +
             QStringLiteral(" - OUT.");
    }
    return s;
}

QString AtisTexts::radarText() const {
    const WeatherState& w = weather_;
    const QString t = w_.Text6.text();
    const QString d = left(w_.Text4.text(), 1);
    QString s = w.voiceServer + QStringLiteral("/EDBB_CTR") + kCrLf;
    s += QStringLiteral("This is Berlin Radar Information ") + w.letterWord + QLatin1Char(' ') +
         left(t, 2) + right(t, 2) + QStringLiteral(" Z") + kCrLf;
    if (d == QLatin1String("0")) {
        s += QStringLiteral("RWY's in use: in direction to the east") + kCrLf;
    } else if (d == QLatin1String("2")) {
        s += QStringLiteral("RWY's in use: in direction to the west") + kCrLf;
    }
    s += w_.Label2.caption() + kSeeLocal + kCrLf;
    s += kNotam + kCrLf;
    s += QStringLiteral("Advice that you have received information ") + w.letterWord +
         QStringLiteral(" - OUT.");
    return s;
}

QString AtisTexts::approachText() const {
    const WeatherState& w = weather_;
    const QString t = w_.Text6.text();
    const QString d = left(w_.Text4.text(), 1);
    const QString tl = w_.Label2.caption();
    QString s = w.voiceServer + QStringLiteral("/EDBB_APP") + kCrLf;
    s += QStringLiteral("Information ") + w.letterWord + QLatin1Char(' ') + left(t, 2) +
         right(t, 2) + QStringLiteral(" Z") + kCrLf;
    s += QStringLiteral("Inform that you have initial contact.") + kCrLf;
    if (d == QLatin1String("0")) {
        s += QStringLiteral("EDDT RWY 08L APP 08R DEP") + kCrLf +
             QStringLiteral("EDDI RWY 09R APP/DEP") + kCrLf +
             QStringLiteral("EDDB RWY 07R APP/DEP") + kCrLf + tl + kSeeLocal;
    } else if (d == QLatin1String("2")) {
        s += QStringLiteral("EDDT RWY 26R APP 26L DEP") + kCrLf +
             QStringLiteral("EDDI RWY 27L APP/DEP") + kCrLf +
             QStringLiteral("EDDB RWY 25L APP/DEP") + kCrLf + tl + kSeeLocal;
    }
    return s;
}

void AtisTexts::abc1() {
    const QString s = towerText();
    if (!s.isEmpty()) {
        putOnClipboard(clipboard_, s);
    }
}

void AtisTexts::afterButton() {
    w_.form.setFocus(w_.Command8);
}

void AtisTexts::Command10_Click() {
    w_.Timer6.setInterval(1000);
    flash_.flashOk();
    abc1();
    afterButton();
}

void AtisTexts::Command34_Click() {
    flash_.flashOk();
    putOnClipboard(clipboard_, radarText());
    afterButton();
}

void AtisTexts::Command37_Click() {
    flash_.flashOk();
    putOnClipboard(clipboard_, approachText());
    afterButton();
}

} // namespace vellaro
