#pragma once

#include "core/MainWindow.h"

#include <QString>

#include <array>
#include <functional>

namespace vellaro {

class AtcClient;
class ChartWindow;
class DataFiles;
class SquawksInUse;
struct ConsoleState;
struct WeatherState;

// The code an empty Next Squawk box starts from.
inline constexpr const char* kDefaultSquawk = "5051";

// The code that follows an assigned one: an octal count over four digits, so no
// code ever holds an 8 or a 9. See the source for codes a transponder cannot show.
QString nextSquawkCode(const QString& assigned);

// Codes with a meaning of their own (emergency, hijack, radio failure, VFR, ...):
// the sequence never hands them out.
bool isReservedSquawk(const QString& code);
// The next code of the count after code that is neither reserved nor in use.
QString advanceSquawk(const QString& code, const std::function<bool(const QString&)>& inUse);

// Squawk code assignment and squawk.txt.
class Squawk {
  public:
    Squawk(MainWindow& window, ChartWindow& charts, ConsoleState& state, WeatherState& weather,
           const DataFiles& files, SquawksInUse& inUse, AtcClient& atc);

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

    // The squawk box of row n turns orange, with a tooltip naming the aircraft, while
    // another aircraft squawks its code; otherwise it shows as usual.
    void markConflict(int n);
    // The callsign of row n as the ATC client knows it: the last word, in capitals.
    QString rowCallsign(int n) const;

  private:
    // The code just assigned in row n goes to the label of the client's target.
    void labelSquawk(int n, const QString& code);

    MainWindow& w_;
    ChartWindow& charts_;
    ConsoleState& state_;
    WeatherState& weather_;
    const DataFiles& files_;
    SquawksInUse& inUse_;
    AtcClient& atc_;
    // The client's refusal of a label write, shown while the box keeps that code.
    struct Refusal {
        QString code;
        QString text;
    };
    std::array<Refusal, kStripRows> refusals_;
};

} // namespace vellaro
