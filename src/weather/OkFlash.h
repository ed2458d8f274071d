#pragma once

namespace vellaro {

class MainWindow;

// The "OK" that stands for a second in place of the voice channel, confirming an
// ATIS text or a command.
class OkFlash {
  public:
    explicit OkFlash(MainWindow& window);

    void flashOk();
    void Timer6_Timer();

  private:
    MainWindow& w_;
};

} // namespace vellaro
