#pragma once

namespace vellaro {

class Console;

// Decodes a METAR from the clipboard into the weather block.
class MetarDecoder {
  public:
    explicit MetarDecoder(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
