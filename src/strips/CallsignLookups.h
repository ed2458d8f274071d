#pragma once

#include <QString>

namespace vellaro {

class CallsignHistory;
class Clipboard;
class FlightPlan;
class MainWindow;
class Overview;
class ServiceAddresses;
class UpdateCheck;
struct ConsoleState;

// The callsign-box commands that look up data outside the strip board. The interpreter
// calls each at its place in the command order, after its own test on the box text;
// each sets ConsoleState.commandHandled itself where the command counts as handled.
class CallsignLookups {
  public:
    struct Features {
        CallsignHistory& history;
        Overview& overview;
        FlightPlan& flightPlan;
        UpdateCheck& updateCheck;
    };
    // macroFile: where the platform keeps the ATC client's text-macro file.
    CallsignLookups(MainWindow& window, ConsoleState& state, Clipboard& clipboard,
                    const ServiceAddresses& services, QString macroFile, Features features);

    // ".key.": ProController's text macro into the macro box and onto the clipboard.
    void textMacroLookup(int row);
    // "..": hides the macro box.
    void hideMacroBox(int row);
    // "such....": callsign history of row 0's callsign.
    void callsignHistory(int row);
    // "www": the three airports' winds and QNH spread over row 0.
    void threeAirportWeather(int row);
    // "depxxxx": the flights of an aerodrome.
    void aerodromeList(int row);
    // "ip?": the public address into the remarks box.
    void publicAddress(int row);

    // A click on the macro box puts it away.
    void Text23_Click();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    Clipboard& clipboard_;
    const ServiceAddresses& services_;
    QString macroFile_;
    Features f_;
};

} // namespace vellaro
