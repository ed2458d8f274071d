#pragma once

#include <QString>

namespace vellaro {

class DataFiles;
class Download;
class MainWindow;
class Whazzup;
struct ConsoleState;

// "Controller": which stations of control.txt are online, in the information panel
// Text21 that the ILS information shares.
class OnlineControllers {
  public:
    OnlineControllers(MainWindow& window, ConsoleState& state, const DataFiles& files,
                      const Download& download, Whazzup& whazzup);

    void Command3_Click();
    // Appends the station's line to the panel when it occurs in the status text.
    void getcontroller(const QString& station);
    // Closes the panel after the message that nobody is online.
    void Timer4_Timer();
    void Text21_DblClick();

  private:
    void closePanel();

    MainWindow& w_;
    ConsoleState& state_;
    const DataFiles& files_;
    const Download& download_;
    Whazzup& whazzup_;
};

} // namespace vellaro
