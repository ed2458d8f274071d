#pragma once

namespace vellaro {

class Console;

// Chooses the runways in use from rwy.txt.
class Runways {
  public:
    explicit Runways(Console& console);

    void loadrwy();

  private:
    Console& c_;
};

} // namespace vellaro
