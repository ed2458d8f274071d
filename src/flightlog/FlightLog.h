#pragma once

namespace vellaro {

class Console;

// Writes a deleted strip to log.txt.
class FlightLog {
  public:
    explicit FlightLog(Console& console);

    // Writes strip row n as one line of log.txt; hands a departure to Ground-Info.
    void log(int n);

  private:
    Console& c_;
};

} // namespace vellaro
