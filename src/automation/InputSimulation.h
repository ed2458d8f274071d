#pragma once

namespace vellaro {

class InputInjector;
class MainWindow;
class TimerService;
struct ConsoleState;

// The small hand movements the console drives the ATC client with: reading and
// moving the pointer, a pause that keeps the console alive, and a framed left click.
// They work on the points kept in ConsoleState.
class InputSimulation {
  public:
    InputSimulation(MainWindow& window, ConsoleState& state, InputInjector& input,
                    TimerService& timers);

    // Pointer into cursorPoint, and cursorPoint onto the screen.
    void getmousepos();
    void setmousepos();
    // Remembers the pointer in returnPoint, and brings it back there.
    void mouseret();
    void mousehin();
    // Waits for the next tick of Timer7 while other events run. False when the
    // console was closed meanwhile: the caller must not go on.
    bool pause1();
    // pause1, a left click, pause1; false as pause1.
    bool lmdu();

    void Timer7_Timer();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    InputInjector& input_;
    TimerService& timers_;
};

} // namespace vellaro
