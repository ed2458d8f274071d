#pragma once

#include <QString>

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

    void Text18_Change();
    void Text18_DblClick();
    void Label17_DblClick();
    void Timer6_Timer();

    // The phonetic word of index 1 to 26, empty for any other index.
    static QString wordFor(double index);

  private:
    Console& c_;
};

} // namespace vellaro
