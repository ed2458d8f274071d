#pragma once

#include <QString>

#include "core/GroundInfoWindow.h"

#include <array>

namespace vellaro {

class GroundInfoWindow;
class MainWindow;
struct ConsoleState;

// One row of the Ground-Info board: callsign and the cl, st and tx ticks.
struct GroundRow {
    QString callsign;
    std::array<int, 3> ticks{};
    bool empty() const { return callsign.isEmpty(); }
};
using GroundBoard = std::array<GroundRow, kGroundRows>;

// Closes the gaps: empty rows go to the bottom, filled rows keep their order, and
// every callsign that moves is written in upper case.
void closeGaps(GroundBoard& board);

// The Ground-Info window Form4.
class GroundInfo {
  public:
    GroundInfo(GroundInfoWindow& window, MainWindow& main, ConsoleState& state);

    // Enters a callsign into the first empty row, ticking cl (and st with two columns).
    void handOver(const QString& callsign);
    void loeschefeld(int i);
    void topit();

    void Command1_Click(int i); // "Lö" of row i
    void Command3_Click();      // "A": every row
    void Label1_Click();        // the header parks the window out of sight
    void Text1_LostFocus(int i);

    void Command36_Click(); // "GND" of the main window

  private:
    GroundBoard readBoard() const;
    void writeBoard(const GroundBoard& board);

    GroundInfoWindow& g_;
    ConsoleState& state_;
};

} // namespace vellaro
