#pragma once

namespace vellaro {

class Console;

// The ATIS letter and the OK flash.
class AtisLetter {
  public:
    explicit AtisLetter(Console& console);

    // The word of the current letter index, then the index advances.
    void abc();
    // Back to Alpha; the Label17 double click also flashes "OK".
    void restartAtAlpha(bool flash);
    void flashOk();

  private:
    Console& c_;
};

} // namespace vellaro
