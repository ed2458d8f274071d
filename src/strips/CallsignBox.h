#pragma once

namespace vellaro {

class Clearance;
class Download;
class FlightPlan;
class MainWindow;
class StripRows;

// The events of the seven callsign boxes. Several features act on them; each event
// has its one handler here, which calls them in the order the console needs.
class CallsignBox {
  public:
    CallsignBox(MainWindow& window, StripRows& rows, Clearance& clearance, FlightPlan& flightPlan,
                const Download& download);

    void Text7_GotFocus(int n);
    void Text7_DblClick(int n);
    // With automatic destination ticked, the flight's filed destination and route.
    void Text7_LostFocus(int n);

  private:
    MainWindow& w_;
    StripRows& rows_;
    Clearance& clearance_;
    FlightPlan& flightPlan_;
    const Download& download_;
};

} // namespace vellaro
