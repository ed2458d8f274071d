#pragma once

namespace vellaro {

class Console;

// The Mini-Info window Form2.
class MiniInfo {
  public:
    explicit MiniInfo(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
