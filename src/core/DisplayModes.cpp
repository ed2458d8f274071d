#include "core/DisplayModes.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"

namespace vellaro {

namespace {

// Far enough above the screen edge that only strip row 0 and its buttons stay on it.
constexpr int kOneStripTop = -2040;
// The title bar hidden above the screen edge, the top block on it.
constexpr int kRaisedTop = -300;
// The one-strip band is a little lower than a row's compact height.
constexpr int kOneStripTrim = 140;
constexpr int kRaisedAndRightLeft = 7200;
const QString kOneRowCommand = QStringLiteral("111");

} // namespace

DisplayModes::DisplayModes(MainWindow& window, Form& chartWindow, ConsoleState& state)
    : w_(window), charts_(chartWindow), state_(state) {
    w_.Command8.onClick = [this] { Command8_Click(); };
    w_.Label1.onClick = [this] { Label1_Click(); };
    w_.Label10.onClick = [this] { Label10_Click(); };
    w_.Label16.onClick = [this] { Label16_Click(); };
    w_.Label2.onDblClick = [this] { Label2_DblClick(); };
    w_.Label5.onDblClick = [this] { Label5_DblClick(); };
    w_.Label7.onDblClick = [this] { Label7_DblClick(); };
    w_.Label8.onDblClick = [this] { Label8_DblClick(); };
    w_.Label24.onClick = [this] { Label24_Click(); };
    w_.Label25.onClick = [this] { Label25_Click(); };
    w_.Command53.onClick = [this] { Command53_Click(); };
    w_.Command54.onClick = [this] { Command54_Click(); };
    w_.Label21.onClick = [this] { Label21_Click(); };
    w_.Label4.onDblClick = [this] { Label4_DblClick(); };
}

void DisplayModes::Command8_Click() {
    Form& f = w_.form;
    if (state_.stripsCollapsed == 1) {
        w_.Label1.setCaption(QStringLiteral("Flugstreifen"));
        f.setHeight(kUnfoldedHeight);
        w_.Label3.setVisible(true);
        w_.Label1.setVisible(true);
        state_.stripsCollapsed = 0;
        if (state_.checkLabelsShown) {
            w_.Label11.setVisible(true);
            w_.Label12.setVisible(true);
            w_.Label13.setVisible(true);
        }
        w_.Command5.setTop(kTodayButtonBelowBoard);
        return;
    }
    f.setHeight(kFoldedHeight);
    for (Label* l : {&w_.Label3, &w_.Label1, &w_.Label11, &w_.Label12, &w_.Label13}) {
        l->setVisible(false);
    }
    charts_.setVisible(false);
    state_.stripsCollapsed = 1;
    w_.Command5.setTop(kTodayButtonBelowBoard);
}

void DisplayModes::compactView(int height) {
    w_.form.setHeight(height);
    w_.Command5.setTop(kTodayButtonInHeader);
    state_.stripsCollapsed = 0;
    w_.form.setFocus(w_.Text7[0]);
}

void DisplayModes::Label2_DblClick() {
    compactView(kTwoRowsHeight);
}

void DisplayModes::Label24_Click() {
    w_.form.setHeight(kThreeRowsHeight);
}

void DisplayModes::Label25_Click() {
    Form& f = w_.form;
    f.setTop(kOneStripTop);
    f.setHeight(kOneRowHeight);
    f.setHeight(f.height() - kOneStripTrim);
}

void DisplayModes::Command53_Click() {
    Form& f = w_.form;
    f.setTop(kOneStripTop);
    // The callsign box's own command sets the height of one row; what the box held is lost.
    w_.Text7[0].setText(kOneRowCommand);
    f.setHeight(f.height() - kOneStripTrim);
}

void DisplayModes::Command54_Click() {
    w_.form.setTop(kRaisedTop);
}

void DisplayModes::Label4_DblClick() {
    Command54_Click();
    w_.form.setLeft(kRaisedAndRightLeft);
}

} // namespace vellaro
