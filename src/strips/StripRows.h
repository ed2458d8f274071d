#pragma once

namespace vellaro {

class Console;

// The seven strip rows and their row operations.
class StripRows {
  public:
    explicit StripRows(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
