#include "strips/CallsignBox.h"

#include "core/MainWindow.h"
#include "strips/CallsignCommands.h"
#include "strips/ChartWindow.h"
#include "strips/Clearance.h"
#include "strips/StripRows.h"

namespace vellaro {

CallsignBox::CallsignBox(MainWindow& w, ChartWindow& charts, StripRows& rows, Clearance& clearance,
                         CallsignCommands& commands)
    : charts_(charts), rows_(rows), clearance_(clearance), commands_(commands) {
    for (int n = 0; n < kStripRows; ++n) {
        w.Text7[n].onChange = [this, n] { Text7_Change(n); };
        w.Text7[n].onGotFocus = [this, n] { Text7_GotFocus(n); };
        w.Text7[n].onDblClick = [this, n] { Text7_DblClick(n); };
        w.Text7[n].onClick = [this, n] { Text7_Click(n); };
    }
}

void CallsignBox::Text7_Change(int n) {
    commands_.aircraft(n);
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

} // namespace vellaro
