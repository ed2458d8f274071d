#pragma once

#include <QString>

#include <array>

namespace vellaro {

class Console;

inline constexpr int kGroundRows = 10;

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
    explicit GroundInfo(Console& console);

    // Enters a callsign into the first empty row, ticking cl (and st with two columns).
    void handOver(const QString& callsign);
    void loeschefeld(int i);
    void topit();

    void Command36_Click(); // "GND" of the main window

  private:
    GroundBoard readBoard() const;
    void writeBoard(const GroundBoard& board);

    Console& c_;
};

} // namespace vellaro
