#pragma once

#include "platform/Control.h"

namespace vellaro {

class ChartWindow;
class Clearance;
class FlightLog;
class MainWindow;

// The seven strip rows and their row operations.
class StripRows {
  public:
    StripRows(MainWindow& window, ChartWindow& charts, FlightLog& flightLog, Clearance& clearance);

    // "Lö" of row n (Command17 on row 0, Command11 to Command16 below it): log the strip,
    // empty the row, focus its callsign box, clearance and colour.
    void Command17_Click(int n);
    // "1." of row n: swaps row n with row 0.
    void auf1(int n);
    // "A": deletes all strips without logging them.
    void Command19_Click();
    // Quick-clear of row n: the callsign only, or the whole row when it was empty.
    void Text7_DblClick(int n);
    // Marks row n as a landing on the runway in use.
    void Text11_DblClick(int n);

  private:
    void setRowColour(int n, Colour colour);

    MainWindow& w_;
    ChartWindow& charts_;
    FlightLog& flightLog_;
    Clearance& clearance_;
};

} // namespace vellaro
