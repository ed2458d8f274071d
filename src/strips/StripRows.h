#pragma once

#include <QString>

#include <array>

namespace vellaro {

class Console;
class TextBox;

// The five boxes of a strip row, in the order every row operation walks them.
inline constexpr std::array<const char*, 5> kRowBoxes = {"Text7", "Text8", "Text9", "Text10",
                                                         "Text11"};

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
    TextBox& box(int column, int row) const;
    void setRowColour(int n, qint64 colour);
    void hideFlightPlan();

    Console& c_;
};

} // namespace vellaro
