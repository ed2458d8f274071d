#pragma once

#include <QString>

namespace vellaro {

class MainWindow;
struct ConsoleState;

// The help box's text: 48 lines, each ended by CR LF.
QString helpText();

// "Help" lays the help text over the window; "Timer" counts minutes and seconds on
// its own caption, for separation between departures.
class HelpAndTimer {
  public:
    HelpAndTimer(MainWindow& window, ConsoleState& state);

    void Command35_Click();
    // A press on the bare window background puts the help away.
    void Form_MouseDown();
    void Command39_Click();
    void Timer1_Timer();

  private:
    MainWindow& w_;
    ConsoleState& state_;
};

} // namespace vellaro
