#pragma once

namespace vellaro {

class Console;

// Automatic METAR retrieval: fetch, cut out the report, decode, choose the runways,
// and on a new observation advance the ATIS letter and beep.
class AutoAtis {
  public:
    explicit AutoAtis(Console& console);

    // Command40_Click, the AutoAtis button; also Enter in Text6 and both timers.
    void autoAtis();
    // Finds the report in the response and decodes it; false when none was found.
    bool getautoatis();

    void Timer2_Timer();
    void Timer3_Timer();
    void Check3_Click();
    void Text6_Click();
    void Text6_DblClick();
    void Text6_KeyPress(int& keyAscii);

  private:
    Console& c_;
};

} // namespace vellaro
