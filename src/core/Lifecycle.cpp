#include "core/Lifecycle.h"

#include "core/Console.h"
#include "core/MainWindowLayout.h"
#include "core/Text.h"
#include "strips/SidCharts.h"
#include "strips/Squawk.h"

namespace vellaro {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMainWidth = 11220;
constexpr int kFoldedHeight = 1760;

} // namespace

Lifecycle::Lifecycle(Console& console) : c_(console) {
    Form& f = c_.form1();
    f.check("Check1").onClick = [this] { Check1_Click(); };
}

void Lifecycle::formLoad() {
    Form& f = c_.form1();
    f.load();

    // 1. Width, centred on the screen (pixel arithmetic in single precision).
    f.setWidth(kMainWidth);
    const float screenPx = float(c_.platform().screen.size().width());
    const float leftPx = (screenPx - float(f.width()) / kTwipsPerPixel) / 2;
    f.setLeft(int(std::lround(leftPx * kTwipsPerPixel)));

    // 2. Start values.
    c_.state = ConsoleState{};
    c_.weather = WeatherState{};
    c_.weather.atisStation = QStringLiteral("EDDT");
    c_.weather.letterIndex = 1;
    c_.weather.voiceServer = QStringLiteral("de3.ts.ivao.org");

    // 3. Folded, at the top of the screen.
    f.setHeight(kFoldedHeight);
    f.setTop(0);

    // 4.
    f.label("Label1").setVisible(false);
    f.label("Label3").setVisible(false);
    f.label("Label11").setVisible(false);

    // 5.
    f.label("Label18").setCaption(text::left(c_.weather.voiceServer, 6));

    // 6. Above all other windows, whatever Check1 says.
    f.setTopMost(true);

    // 7.-9.
    c_.squawk().loadsquawk();
    f.text("Text13").setText(c_.state.lastSquawk);
    c_.weather.requestIcao = c_.weather.atisStation;
    f.text("Text6").setText(c_.weather.atisStation);

    // 10.
    c_.state.overviewRunway1.clear();
    c_.state.overviewRunway2.clear();
    c_.state.overviewRunway3.clear();

    // 11. Ground-Info directly right of the console, two-column marking.
    Form& g = c_.form4();
    g.load();
    g.setLeft(f.left() + f.width());
    g.setTop(0);
    for (int i = 0; i < 10; ++i) {
        g.check("Check1", i).setBackColor(kGreen);
        g.check("Check2", i).setBackColor(kGreen);
    }

    // 12.
    c_.form5().load();
    c_.sidCharts().loadPictures();

    startDesignTimers(f);
    f.setVisible(true);
}

void Lifecycle::Check1_Click() {
    Form& f = c_.form1();
    f.setTopMost(f.check("Check1").value() == 1);
}

void Lifecycle::formUnload() {
    c_.squawk().savesquawk();
    c_.form3().unload();
    c_.form2().unload();
    c_.form4().unload();
    c_.form5().unload();
    c_.end();
}

} // namespace vellaro
