#pragma once

namespace vellaro {

class Console;

// Automatic METAR retrieval.
class AutoAtis {
  public:
    explicit AutoAtis(Console& console);

    void autoAtis();

  private:
    Console& c_;
};

} // namespace vellaro
