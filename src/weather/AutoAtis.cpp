#include "weather/AutoAtis.h"

#include "core/Conventions.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "network/ServiceAddresses.h"
#include "platform/Beeper.h"
#include "platform/KeyCodes.h"
#include "weather/AtisLetter.h"
#include "weather/MetarDecoder.h"
#include "weather/MetarReport.h"
#include "weather/MiniInfoWindow.h"
#include "weather/Overview.h"
#include "weather/Runways.h"

namespace vellaro {

namespace {

const QString kLoad = QStringLiteral("Load");
// The overview panel stands at the top of the window while it is shown.
constexpr int kOverviewShownTop = 0;
constexpr int kMinutesPerRetrieval = 10;

} // namespace

AutoAtis::AutoAtis(MainWindow& window, MiniInfoWindow& mini, WeatherState& weather,
                   Clipboard& clipboard, Beeper& beeper, const Download& download,
                   const ServiceAddresses& services, Uses features)
    : w_(window), mini_(mini), weather_(weather), clipboard_(clipboard), beeper_(beeper),
      download_(download), services_(services), uses_(features) {
    w_.Command40.onClick = [this] { autoAtis(); };
    w_.Timer2.onTimer = [this] { Timer2_Timer(); };
    w_.Timer3.onTimer = [this] { Timer3_Timer(); };
    w_.Check3.onClick = [this] { Check3_Click(); };
    w_.Text6.onClick = [this] { Text6_Click(); };
    w_.Text6.onDblClick = [this] { Text6_DblClick(); };
    w_.Text6.onKeyPress = [this](int& key) { Text6_KeyPress(key); };
}

void AutoAtis::autoAtis() {
    WeatherState& w = weather_;
    TextBox& t6 = w_.Text6;

    // "Load" is our own placeholder, never a station: taking it would leave every
    // later retrieval asking for LOAD after one failed or overlapping request.
    if (t6.text().size() == 4 && t6.text() != kLoad) {
        w.requestIcao = t6.text().toUpper();
    }
    if (download_.busy()) {
        return;
    }
    w_.Timer2.setTimerEnabled(true);
    w_.Shape1.setBackColor(kGreen);
    w.previousTimeBox = t6.text();
    t6.setText(kLoad);
    for (TextBox* box : {&w_.Text1, &w_.Text2, &w_.Text3, &w_.Text4, &w_.Text5}) {
        box->setText(QString());
    }
    w.response.clear();

    const bool ivao = w_.Check3.value() == 1;
    using S = ServiceAddresses::Service;
    const auto body = services_.fetch(download_, ivao ? S::IvaoMetar : S::NoaaMetar, w.requestIcao);
    if (!body) {
        return;
    }
    w.response = *body;
    if (!ivao) {
        w.response = ServiceAddresses::cutNoaaReport(w.response, w.noaaKey);
    }

    const bool decoded = getautoatis();
    uses_.runways.loadrwy();
    if (decoded) {
        // The decoding copied the runway boxes while they were still empty; the
        // Mini-Info window would otherwise never show the runways just chosen.
        mini_.Text4.setText(w_.Text4.text());
        mini_.Text5.setText(w_.Text5.text());
    }

    // A new observation time: next letter, and a beep for the controller.
    if (t6.text() != w.previousTimeBox) {
        uses_.letter.abc();
        TextBox& letter = w_.Text18;
        letter.setText(text::left(w.letterWord, 1));
        mini_.form.load();
        mini_.Text7.setText(letter.text());
        // Before any report was decoded there is no station to take; the saved one
        // stays, or a failed first retrieval would lose it for the next start.
        if (!w_.Label8.caption().isEmpty()) {
            w.atisStation = w_.Label8.caption();
        }
        mini_.Label4.setCaption(w_.Label8.caption());
        beeper_.beep();
        if (w.firstRetrieval == 0 && w_.Text19.top() == kOverviewShownTop) {
            uses_.overview.Command41_Click();
        }
    }
    w.firstRetrieval = 0;
    uses_.decoder.Text3_Change();
}

bool AutoAtis::getautoatis() {
    WeatherState& w = weather_;
    const qsizetype p = text::instr(w.response, w.requestIcao + QLatin1Char(' '));
    if (p == 0) {
        return false;
    }
    w.metarExtract = metar::normalise(text::mid(w.response, p));
    putOnClipboard(clipboard_, w.metarExtract);
    w_.Label16.setCaption(w.metarExtract);
    w_.Label16.setToolTip(reportedBy(services_, w.requestIcao));
    uses_.decoder.decodeMetar();
    w_.Timer2.setTimerEnabled(true);
    w_.Shape1.setBackColor(kGreen);
    w_.Label8.setCaption(w.requestIcao);
    return true;
}

void AutoAtis::Timer2_Timer() {
    WeatherState& w = weather_;
    w.tickCount += 1;
    if (w.tickCount == kMinutesPerRetrieval) {
        autoAtis();
        w.tickCount = 0;
    }
}

void AutoAtis::Timer3_Timer() {
    // Off first: a slow first transfer must not see this tick come round again.
    w_.Timer3.setTimerEnabled(false);
    autoAtis();
}

void AutoAtis::Check3_Click() {
    weather_.noaaKey = weather_.requestIcao;
}

void AutoAtis::Text6_Click() {
    TextBox& t6 = w_.Text6;
    const QString first = text::left(t6.text(), 1);
    if (first == QLatin1String("E") || first == QLatin1String("e")) {
        t6.setText(QString());
    }
}

void AutoAtis::Text6_DblClick() {
    w_.Text6.setText(QString());
}

void AutoAtis::Text6_KeyPress(int& keyAscii) {
    if (keyAscii != kKeyEnter) {
        return;
    }
    weather_.noaaKey = text::trim(w_.Text6.text()).toUpper();
    autoAtis();
}

} // namespace vellaro
