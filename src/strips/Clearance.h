#pragma once

namespace vellaro {

class Console;

// Clearance and release request texts for the clipboard.
class Clearance {
  public:
    explicit Clearance(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
