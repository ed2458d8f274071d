#include "strips/CallsignBox.h"

#include "core/ChartWindow.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "network/AtcClient.h"
#include "network/FlightPlan.h"
#include "platform/KeyCodes.h"
#include "strips/CallsignCommands.h"
#include "strips/Clearance.h"
#include "strips/Squawk.h"
#include "strips/StripRows.h"

namespace vellaro {

CallsignBox::CallsignBox(MainWindow& w, ChartWindow& charts, StripRows& rows, Clearance& clearance,
                         CallsignCommands& commands, FlightPlan& flightPlan,
                         const Download& download, Squawk& squawk, AtcClient& atc)
    : w_(w), charts_(charts), rows_(rows), clearance_(clearance), commands_(commands),
      flightPlan_(flightPlan), download_(download), squawk_(squawk), atc_(atc) {
    for (int n = 0; n < kStripRows; ++n) {
        w.Text7[n].onChange = [this, n] { Text7_Change(n); };
        w.Text7[n].onGotFocus = [this, n] { Text7_GotFocus(n); };
        w.Text7[n].onDblClick = [this, n] { Text7_DblClick(n); };
        w.Text7[n].onClick = [this, n] { Text7_Click(n); };
        w.Text7[n].onLostFocus = [this, n] { Text7_LostFocus(n); };
        w.Text7[n].onKeyDown = [this, n](int keyCode) { Text7_KeyDown(n, keyCode); };
    }
}

void CallsignBox::Text7_Change(int n) {
    commands_.aircraft(n);
    // The row's own aircraft never conflicts with its squawk.
    squawk_.markConflict(n);
}

void CallsignBox::Text7_KeyDown(int n, int keyCode) {
    if (keyCode == kKeyF9) {
        fillFromSelectedTarget(n);
    }
}

void CallsignBox::fillFromSelectedTarget(int n) {
    const auto callsign = atc_.selectedTarget();
    if (!callsign || callsign->isEmpty()) {
        return;
    }
    const auto destination = atc_.destinationOf(*callsign);
    if (!destination) {
        return;
    }
    // Typed, so the airline's telephony and the destination's name follow as usual.
    TextBox& box = w_.Text7[n];
    box.setText(QString());
    box.userType(callsign->toUpper());
    TextBox& dest = w_.Text8[n];
    dest.setText(QString());
    dest.userType(*destination);
}

void CallsignBox::Text7_GotFocus(int n) {
    // Every time the box gets the focus, by the user or the program.
    clearance_.releaseRequest(n);
}

void CallsignBox::Text7_DblClick(int n) {
    rows_.Text7_DblClick(n);
}

void CallsignBox::Text7_Click(int n) {
    charts_.form.setVisible(false);
}

void CallsignBox::Text7_LostFocus(int n) {
    const QString callsign = w_.Text7[n].text();
    if (w_.Check2.value() != 1 || download_.busy() || callsign.isEmpty()) {
        return;
    }
    TextBox& destination = w_.Text8[n];
    destination.setText(QStringLiteral("wait"));
    w_.Text16.setText(QStringLiteral("hole Flugweg ..."));
    w_.Text16.setVisible(true);
    w_.Text17.setText(QStringLiteral("...."));
    w_.Text17.setVisible(true);
    // The flight's callsign is what follows the airline's telephony: "Condor CFG440".
    const qsizetype blank =
        text::instr(text::left(callsign, callsign.size() - 1), QStringLiteral(" "));
    const QString key = (blank != 0 ? text::mid(callsign, blank + 1) : callsign).toUpper();
    if (!flightPlan_.getwhat(key, n)) {
        return;
    }
    const QString found = destination.text();
    if (found.startsWith(QLatin1Char(':')) || found.startsWith(QLatin1Char('1'))) {
        destination.setText(QString());
        w_.Text11[n].setText(QString());
    }
    flightPlan_.getstrip(key);
}

} // namespace vellaro
