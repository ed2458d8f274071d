#include "weather/AutoAtis.h"

#include "core/Console.h"
#include "core/Text.h"
#include "network/ServiceAddresses.h"
#include "weather/AtisLetter.h"
#include "weather/MetarDecoder.h"
#include "weather/Overview.h"
#include "weather/Runways.h"

namespace vellaro {

namespace {

const QString kLoad = QStringLiteral("Load");

} // namespace

AutoAtis::AutoAtis(Console& console) : c_(console) {
    Form& f = c_.form1();
    f.button("Command40").onClick = [this] { autoAtis(); };
    f.timer("Timer2").onTimer = [this] { Timer2_Timer(); };
    f.timer("Timer3").onTimer = [this] { Timer3_Timer(); };
    f.check("Check3").onClick = [this] { Check3_Click(); };
    TextBox& t6 = f.text("Text6");
    t6.onClick = [this] { Text6_Click(); };
    t6.onDblClick = [this] { Text6_DblClick(); };
    t6.onKeyPress = [this](int& key) { Text6_KeyPress(key); };
}

void AutoAtis::autoAtis() {
    Form& f = c_.form1();
    WeatherState& w = c_.weather;
    TextBox& t6 = f.text("Text6");

    // 1. "Load" is our own placeholder, never a station: taking it would leave every
    // later retrieval asking for LOAD after one failed or overlapping request.
    if (t6.text().size() == 4 && t6.text() != kLoad) {
        w.requestIcao = t6.text().toUpper();
    }
    // 2.
    if (c_.platform().http.busy()) {
        return;
    }
    // 3.-7.
    f.timer("Timer2").setTimerEnabled(true);
    f.shape("Shape1").setBackColor(kGreen);
    w.previousTimeBox = t6.text();
    t6.setText(kLoad);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        f.text(QString::fromLatin1(box)).setText(QString());
    }
    w.response.clear();

    // 8./9.
    const bool ivao = f.check("Check3").value() == 1;
    using S = ServiceAddresses::Service;
    const QString url = c_.services().url(ivao ? S::IvaoMetar : S::NoaaMetar, w.requestIcao);
    const QString body = c_.platform().http.get(url);
    if (c_.ended()) {
        return; // closed while we waited
    }
    w.response = body;
    if (!ivao) {
        w.response = ServiceAddresses::cutNoaaReport(w.response, w.noaaKey);
    }

    // 10.-11.
    const bool decoded = getautoatis();
    c_.runways().loadrwy();
    if (decoded) {
        // The decoding copied the runway boxes while they were still empty; the
        // Mini-Info window would otherwise never show the runways just chosen.
        Form& mini = c_.form2();
        mini.text("Text4").setText(f.text("Text4").text());
        mini.text("Text5").setText(f.text("Text5").text());
    }

    // 12. A new observation time.
    if (t6.text() != w.previousTimeBox) {
        c_.atisLetter().abc();
        TextBox& letter = f.text("Text18");
        letter.setText(text::left(w.letterWord, 1));
        Form& mini = c_.form2();
        mini.load();
        mini.text("Text7").setText(letter.text());
        w.atisStation = f.label("Label8").caption();
        mini.label("Label4").setCaption(f.label("Label8").caption());
        c_.platform().beeper.beep();
        if (w.firstRetrieval == 0 && f.text("Text19").top() == 0) {
            c_.overview().Command41_Click();
        }
    }
    // 13.-14.
    w.firstRetrieval = 0;
    c_.metarDecoder().updateInches();
}

bool AutoAtis::getautoatis() {
    Form& f = c_.form1();
    WeatherState& w = c_.weather;
    const qsizetype p = text::instr(w.response, w.requestIcao + QLatin1Char(' '));
    if (p == 0) {
        return false;
    }
    w.metarExtract = text::mid(w.response, p);
    c_.putOnClipboard(w.metarExtract);
    f.label("Label16").setCaption(w.metarExtract);
    c_.metarDecoder().decodeMetar();
    f.timer("Timer2").setTimerEnabled(true);
    f.shape("Shape1").setBackColor(kGreen);
    f.label("Label8").setCaption(w.requestIcao);
    return true;
}

void AutoAtis::Timer2_Timer() {
    WeatherState& w = c_.weather;
    w.tickCount += 1;
    if (w.tickCount == 10) {
        autoAtis();
        w.tickCount = 0;
    }
}

void AutoAtis::Timer3_Timer() {
    // Off first: a slow first transfer must not see this tick come round again.
    c_.form1().timer("Timer3").setTimerEnabled(false);
    autoAtis();
}

void AutoAtis::Check3_Click() {
    c_.weather.noaaKey = c_.weather.requestIcao;
}

void AutoAtis::Text6_Click() {
    TextBox& t6 = c_.form1().text("Text6");
    const QString first = text::left(t6.text(), 1);
    if (first == QLatin1String("E") || first == QLatin1String("e")) {
        t6.setText(QString());
    }
}

void AutoAtis::Text6_DblClick() {
    c_.form1().text("Text6").setText(QString());
}

void AutoAtis::Text6_KeyPress(int& keyAscii) {
    if (keyAscii != 13) {
        return;
    }
    c_.weather.noaaKey = text::trim(c_.form1().text("Text6").text()).toUpper();
    autoAtis();
}

} // namespace vellaro
