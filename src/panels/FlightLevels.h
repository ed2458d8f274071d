#pragma once

namespace vellaro {

class MainWindow;
struct ConsoleState;

// "IFR / VFR": the four flight level lists come up under the top block and go again.
class FlightLevels {
  public:
    FlightLevels(MainWindow& window, ConsoleState& state);

    void Command43_Click();

  private:
    MainWindow& w_;
    ConsoleState& state_;
};

} // namespace vellaro
