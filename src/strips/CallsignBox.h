#pragma once

namespace vellaro {

class AtcClient;
class CallsignCommands;
class ChartWindow;
class Clearance;
class Download;
class FlightPlan;
class MainWindow;
class Squawk;
class StripRows;

// The events of the seven callsign boxes. Several features act on them; each event
// has its one handler here, which calls them in the order the console needs.
class CallsignBox {
  public:
    CallsignBox(MainWindow& window, ChartWindow& charts, StripRows& rows, Clearance& clearance,
                CallsignCommands& commands, FlightPlan& flightPlan, const Download& download,
                Squawk& squawk, AtcClient& atc);

    // Typed or written by the program alike: the box is read as a command line.
    void Text7_Change(int n);
    // F9: the target selected in the ATC client fills the row.
    void Text7_KeyDown(int n, int keyCode);
    void Text7_GotFocus(int n);
    void Text7_DblClick(int n);
    void Text7_Click(int n);
    // With automatic destination ticked, the flight's filed destination and route.
    void Text7_LostFocus(int n);

  private:
    // The callsign and the filed destination of the selected target, as if typed.
    void fillFromSelectedTarget(int n);

    MainWindow& w_;
    ChartWindow& charts_;
    StripRows& rows_;
    Clearance& clearance_;
    CallsignCommands& commands_;
    FlightPlan& flightPlan_;
    const Download& download_;
    Squawk& squawk_;
    AtcClient& atc_;
};

} // namespace vellaro
