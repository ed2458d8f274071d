#pragma once

namespace vellaro {

class Console;

// The ATIS letter and the OK flash.
class AtisLetter {
  public:
    explicit AtisLetter(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
