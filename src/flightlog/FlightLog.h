#pragma once

namespace vellaro {

class Console;

// Writes a deleted strip to log.txt.
class FlightLog {
  public:
    explicit FlightLog(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
