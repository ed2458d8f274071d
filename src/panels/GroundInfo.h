#pragma once

#include <QString>

namespace vellaro {

class Console;

// The Ground-Info window Form4.
class GroundInfo {
  public:
    explicit GroundInfo(Console& console);

    // Enters a callsign into the first empty row, ticking cl (and st with two columns).
    void handOver(const QString& callsign);
    void loeschefeld(int i);
    void topit();

  private:
    Console& c_;
};

} // namespace vellaro
