#include "console/Lifecycle.h"

#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/DisplayModes.h"
#include "core/GroundInfoWindow.h"
#include "core/MainWindow.h"
#include "core/MainWindowLayout.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "flightlog/TodaysFlightsWindow.h"
#include "platform/ScreenInfo.h"
#include "strips/SidCharts.h"
#include "strips/Squawk.h"
#include "weather/MiniInfoWindow.h"

namespace vellaro {

namespace {

constexpr int kMainWidth = 11220;
const QString kDefaultVoiceServer = QStringLiteral("de3.ts.ivao.org");
// Letters count from 1 = A.
constexpr double kFirstLetter = 1;

} // namespace

Lifecycle::Lifecycle(Windows windows, ConsoleState& state, WeatherState& weather,
                     ScreenInfo& screen, Squawk& squawk, SidCharts& charts,
                     std::function<void()> endProgram)
    : win_(windows), state_(state), weather_(weather), screen_(screen), squawk_(squawk),
      sidCharts_(charts), endProgram_(std::move(endProgram)) {
    win_.main.Check1.onClick = [this] { Check1_Click(); };
}

void Lifecycle::Form_Load() {
    MainWindow& w = win_.main;
    Form& f = w.form;
    f.load();

    // Width, centred on the screen.
    f.setWidth(kMainWidth);
    f.setLeft(centredLeft(screen_.size().width(), f.width()));

    // Start values, in place before squawk.txt is read so that they survive a short file.
    state_ = ConsoleState{};
    weather_ = WeatherState{};
    weather_.atisStation = QStringLiteral("EDDT");
    weather_.letterIndex = kFirstLetter;
    weather_.voiceServer = kDefaultVoiceServer;

    // Folded, at the top of the screen.
    f.setHeight(kFoldedHeight);
    f.setTop(0);
    w.Label1.setVisible(false);
    w.Label3.setVisible(false);
    w.Label11.setVisible(false);

    w.Label18.setCaption(text::left(weather_.voiceServer, 6));

    // Above all other windows, whatever Check1 says.
    f.setTopMost(true);

    squawk_.loadsquawk();
    w.Text13.setText(state_.lastSquawk);
    weather_.requestIcao = weather_.atisStation;
    w.Text6.setText(weather_.atisStation);

    // The overview starts with no runways stored.
    state_.overviewRunway1.clear();
    state_.overviewRunway2.clear();
    state_.overviewRunway3.clear();

    // Ground-Info directly right of the console, with two-column marking.
    Form& g = win_.ground.form;
    g.load();
    g.setLeft(f.left() + f.width());
    g.setTop(0);
    for (int i = 0; i < kGroundRows; ++i) {
        win_.ground.Check1[i].setBackColor(kGreen);
        win_.ground.Check2[i].setBackColor(kGreen);
    }

    win_.charts.form.load();
    sidCharts_.loadPictures();

    startDesignTimers(w);
    f.setVisible(true);
}

void Lifecycle::Check1_Click() {
    win_.main.form.setTopMost(win_.main.Check1.value() == 1);
}

void Lifecycle::Form_Unload() {
    squawk_.savesquawk();
    win_.today.form.unload();
    win_.mini.form.unload();
    win_.ground.form.unload();
    win_.charts.form.unload();
    endProgram_();
}

} // namespace vellaro
