#pragma once

namespace vellaro {

class Console;

// Tower, approach and radar ATIS texts.
class AtisTexts {
  public:
    explicit AtisTexts(Console& console);

    // Tower ATIS onto the clipboard, or nothing when station or direction has no text.
    void abc1();

  private:
    Console& c_;
};

} // namespace vellaro
