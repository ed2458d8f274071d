#pragma once

namespace vellaro {

class ChartWindow;
class Clearance;
class MainWindow;
class StripRows;

// The events of the seven callsign boxes. Several features act on them; each event
// has its one handler here, which calls them in the order the console needs.
class CallsignBox {
  public:
    CallsignBox(MainWindow& window, ChartWindow& charts, StripRows& rows, Clearance& clearance);

    void Text7_GotFocus(int n);
    void Text7_DblClick(int n);
    void Text7_Click(int n);

  private:
    ChartWindow& charts_;
    StripRows& rows_;
    Clearance& clearance_;
};

} // namespace vellaro
