#pragma once

namespace vellaro {

class CallsignCommands;
class ChartWindow;
class Clearance;
class Download;
class FlightPlan;
class MainWindow;
class StripRows;

// The events of the seven callsign boxes. Several features act on them; each event
// has its one handler here, which calls them in the order the console needs.
class CallsignBox {
  public:
    CallsignBox(MainWindow& window, ChartWindow& charts, StripRows& rows, Clearance& clearance,
                CallsignCommands& commands, FlightPlan& flightPlan, const Download& download);

    // Typed or written by the program alike: the box is read as a command line.
    void Text7_Change(int n);
    void Text7_GotFocus(int n);
    void Text7_DblClick(int n);
    void Text7_Click(int n);
    // With automatic destination ticked, the flight's filed destination and route.
    void Text7_LostFocus(int n);

  private:
    MainWindow& w_;
    ChartWindow& charts_;
    StripRows& rows_;
    Clearance& clearance_;
    CallsignCommands& commands_;
    FlightPlan& flightPlan_;
    const Download& download_;
};

} // namespace vellaro
