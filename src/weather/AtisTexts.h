#pragma once

namespace vellaro {

class Console;

// Tower, approach and radar ATIS texts.
class AtisTexts {
  public:
    explicit AtisTexts(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
