#pragma once

namespace vellaro {

class Console;

// The seven strip rows and their row operations.
class StripRows {
  public:
    explicit StripRows(Console& console);

    // "Lö" of row n: log, empty the row, focus its callsign box, clearance and colour.
    void deleteWithLog(int n);
    // "1." of row n: swaps row n with row 0.
    void auf1(int n);
    // Red rows become black, any other row red (judged by the callsign box).
    void toggleRowColour(int n);
    void deleteAll();
    void quickClear(int n);
    void markLanding(int n);

  private:
    Console& c_;
};

} // namespace vellaro
