#pragma once

#include <QString>

namespace vellaro {

class Clock;
class DataFiles;
class MainWindow;
class ProgramLauncher;
class ScreenInfo;
class TodaysFlightsWindow;

// Today's flights, the window Form3 over the flight log, and the log in an editor.
class TodaysFlights {
  public:
    TodaysFlights(MainWindow& window, TodaysFlightsWindow& today, const DataFiles& files,
                  const Clock& clock, const ScreenInfo& screen, ProgramLauncher& launcher);

    // "Heute": opens today's flights just below the console.
    void Command5_Click();
    // The yellow spot beside row 0's callsign box and the voice channel label do the same.
    void Label27_Click() { Command5_Click(); }
    void Label18_DblClick() { Command5_Click(); }
    // "Log": the whole flight log in the desktop's editor for text files.
    void Command7_Click();

    // Form3: fills the list with today's log lines, cut to 80 characters, and counts them.
    void testit();

  private:
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    MainWindow& w_;
    TodaysFlightsWindow& today_;
    const DataFiles& files_;
    const Clock& clock_;
    const ScreenInfo& screen_;
    ProgramLauncher& launcher_;
};

} // namespace vellaro
