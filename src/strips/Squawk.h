#pragma once

#include <QString>

namespace vellaro {

class ChartWindow;
class DataFiles;
class MainWindow;
struct ConsoleState;
struct WeatherState;

// The code an empty Next Squawk box starts from.
inline constexpr const char* kDefaultSquawk = "5051";

// The code that follows an assigned one: an octal count over four digits, so no
// code ever holds an 8 or a 9. See the source for codes a transponder cannot show.
QString nextSquawkCode(const QString& assigned);

// Squawk code assignment and squawk.txt.
class Squawk {
  public:
    Squawk(MainWindow& window, ChartWindow& charts, ConsoleState& state, WeatherState& weather,
           const DataFiles& files);

    // Reads squawk.txt; each value whose line is missing keeps what it held.
    void loadsquawk();
    // Writes squawk.txt anew (start code, Next Squawk box, station, letter index).
    void savesquawk();

    void Text10_Change(int n);
    void Text10_DblClick(int n);
    void Text10_GotFocus(int n);
    void Command38_Click(); // "S"
    void Command20_Click(); // "L"
    void Text12_Click();

  private:
    MainWindow& w_;
    ChartWindow& charts_;
    ConsoleState& state_;
    WeatherState& weather_;
    const DataFiles& files_;
};

} // namespace vellaro
