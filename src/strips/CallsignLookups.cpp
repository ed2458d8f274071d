#include "strips/CallsignLookups.h"

#include "core/ConsoleState.h"
#include "core/Conventions.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "flightlog/CallsignHistory.h"
#include "network/FlightPlan.h"
#include "network/ServiceAddresses.h"
#include "network/UpdateCheck.h"
#include "weather/Overview.h"

namespace vellaro {

CallsignLookups::CallsignLookups(MainWindow& w, ConsoleState& state, Clipboard& clipboard,
                                 const ServiceAddresses& services, QString macroFile,
                                 Features features)
    : w_(w), state_(state), clipboard_(clipboard), services_(services),
      macroFile_(std::move(macroFile)), f_(features) {
    w_.Text23.onClick = [this] { Text23_Click(); };
}

void CallsignLookups::textMacroLookup(int row) {
    using text::left;
    using text::mid;
    TextBox& box = w_.Text7[row];
    const QString t = box.text();
    const qsizetype l = t.size();
    // A missing or unreadable file finds no line, as a file without the key does.
    const auto file = DataFiles::readLinesAt(services_.proControllerMacroFile(macroFile_));
    for (const QString& line : file.lines) {
        if (mid(line, 3, l - 1) != left(t, l - 1)) {
            continue;
        }
        const QString macro = mid(line, l + 12);
        w_.Label23.setCaption(left(line, 1));
        w_.Text23.setText(QString());
        w_.Text23.setVisible(true);
        w_.Text23.setText(macro);
        putOnClipboard(clipboard_, macro);
        box.setText(QString());
        break;
    }
    state_.commandHandled = 1;
}

void CallsignLookups::hideMacroBox(int row) {
    w_.Text23.setVisible(false);
    w_.Text7[row].setText(QString());
    state_.commandHandled = 1;
}

void CallsignLookups::callsignHistory(int row) {
    state_.commandHandled = 1;
    f_.history.getaircraft();
    w_.Text7[row].setText(QString());
}

void CallsignLookups::threeAirportWeather(int row) {
    using text::mid;
    w_.Text7[row].setText(QString());
    state_.commandHandled = 1;
    f_.overview.Command41_Click();
    // Fixed places of the overview's lines for the three Berlin airports: wind, then QNH.
    const QString t = w_.Text19.text();
    TextBox& remarks = w_.Text11[0];
    const QString gap = QStringLiteral("  /  ");
    remarks.setText(mid(t, 19, 8));
    remarks.setText(remarks.text() + gap + mid(t, 74, 8));
    remarks.setText(remarks.text() + gap + mid(t, 122, 8));
    w_.Text8[0].setText(mid(t, 33, 4));
    w_.Text9[0].setText(mid(t, 88, 4));
    w_.Text10[0].setText(mid(t, 136, 4));
}

void CallsignLookups::aerodromeList(int row) {
    TextBox& box = w_.Text7[row];
    f_.flightPlan.setAerodromeCode(text::right(box.text(), 4).toUpper());
    box.setText(QString());
    state_.commandHandled = 1;
    f_.flightPlan.Command42_Click();
}

void CallsignLookups::publicAddress(int row) {
    w_.Text7[row].setText(QString());
    const auto address = f_.updateCheck.publicAddress();
    if (!address) {
        return;
    }
    // No answer gives no sentence: an empty address on the clipboard would be pasted
    // to a pilot as if it were one.
    if (!address->isEmpty()) {
        w_.Text11[row].setText(*address);
        putOnClipboard(clipboard_, QStringLiteral("Meine IP-Adresse lautet = ") + *address);
    }
    state_.commandHandled = 1;
}

void CallsignLookups::Text23_Click() {
    w_.Text23.setVisible(false);
}

} // namespace vellaro
