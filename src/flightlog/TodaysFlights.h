#pragma once

namespace vellaro {

class Console;

// The window of today's flights, Form3.
class TodaysFlights {
  public:
    explicit TodaysFlights(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
