#include "weather/MiniInfo.h"

#include "core/ChartWindow.h"
#include "core/DisplayModes.h"
#include "core/MainWindow.h"
#include "platform/ScreenInfo.h"
#include "weather/MetarDecoder.h"
#include "weather/MiniInfoWindow.h"

namespace vellaro {

namespace {

// Tucks the caption bar above the screen edge.
constexpr int kRaisedTop = -310;

} // namespace

MiniInfo::MiniInfo(MainWindow& window, MiniInfoWindow& mini, ChartWindow& charts,
                   ScreenInfo& screen, MetarDecoder& decoder)
    : w_(window), m_(mini), charts_(charts), screen_(screen), decoder_(decoder) {
    m_.form.onLoad = [this] { Form_Load(); };
    m_.Command1.onClick = [this] { Command1_Click(); };
    m_.Command2.onClick = [this] { Command2_Click(); };
    m_.Command3.onClick = [this] { Command3_Click(); };
    w_.Command9.onClick = [this] { Command9_Click(); };
}

void MiniInfo::Form_Load() {
    Form& m = m_.form;
    m.setLeft(centredLeft(screen_.size().width(), m.width()));
    m.setTopMost(true);
}

void MiniInfo::Command9_Click() {
    Form& f = w_.form;
    Form& m = m_.form;
    f.setEnabled(false);
    f.setVisible(false);
    m.setEnabled(true);
    m.setVisible(true);
    decoder_.mirrorToMiniInfo();
    charts_.form.setVisible(false);
}

void MiniInfo::backToMainWindow() {
    Form& f = w_.form;
    Form& m = m_.form;
    m.setEnabled(false);
    m.setVisible(false);
    f.setEnabled(true);
    f.setVisible(true);
}

void MiniInfo::Command1_Click() {
    backToMainWindow();
}

void MiniInfo::Command2_Click() {
    m_.form.setFocus(m_.Command1);
    backToMainWindow();
    // Only the strips come out; the fold state stays as it was.
    w_.Label1.setCaption(QStringLiteral("Flugstreifen"));
    w_.form.setHeight(kUnfoldedHeight);
    w_.Label3.setVisible(true);
    w_.Label1.setVisible(true);
}

void MiniInfo::Command3_Click() {
    Form& m = m_.form;
    m.setFocus(m_.Command1);
    Button& toggle = m_.Command3;
    if (toggle.caption() == QLatin1String("mini")) {
        toggle.setCaption(QStringLiteral("norm"));
        m.setTop(kRaisedTop);
    } else if (toggle.caption() == QLatin1String("norm")) {
        toggle.setCaption(QStringLiteral("mini"));
        m.setTop(0);
    }
    m.setTopMost(true);
}

} // namespace vellaro
