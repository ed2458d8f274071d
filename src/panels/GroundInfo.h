#pragma once

namespace vellaro {

class Console;

// The Ground-Info window Form4.
class GroundInfo {
  public:
    explicit GroundInfo(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
