#pragma once

#include <QString>

namespace vellaro {

class MainWindow;

// The "OK" that stands for a second in place of the voice channel, confirming an
// ATIS text or a command.
class OkFlash {
  public:
    explicit OkFlash(MainWindow& window);

    void flashOk();
    // A handled callsign-box command: the voice channel label takes the current server
    // first, and a further command within the second starts the second anew.
    void confirmCommand(const QString& voiceServer);
    void Timer6_Timer();

  private:
    MainWindow& w_;
};

} // namespace vellaro
