#pragma once

#include <QString>

#include <functional>
#include <span>

namespace vellaro {

class AtisLetter;
class AtisTexts;
class CallsignLookups;
class ChartWindow;
class DisplayModes;
class GroundInfoWindow;
class MainWindow;
class OkFlash;
class SidCharts;
class Telephony;
class TodaysFlights;
struct ConsoleState;
struct WeatherState;

// The callsign boxes double as the console's command line. Every change of a box
// runs `aircraft` for its row: the telephony of a three-letter text, then every
// command of the table below in its order, then the "OK" for a handled command.
class CallsignCommands {
  public:
    struct Uses {
        Telephony& telephony;
        AtisLetter& letter;
        AtisTexts& texts;
        DisplayModes& modes;
        TodaysFlights& today;
        SidCharts& sidCharts;
        CallsignLookups& lookups;
        OkFlash& flash;
    };
    // "qqq" closes the console as its window's close does; nothing runs after the end.
    struct Program {
        std::function<void()> quit;
        std::function<bool()> ended;
    };
    CallsignCommands(MainWindow& window, ChartWindow& charts, GroundInfoWindow& ground,
                     ConsoleState& state, WeatherState& weather, Uses features, Program program);

    // The interpreter for the callsign box of row 0 to 6.
    void aircraft(int row);

    // One command word: how the box text is tested against it and what it does. Every
    // entry is tried on every evaluation, in table order, each on the text as it
    // stands then; a command that empties the box lets every later test fail. Every
    // command is taken in every row; where the row matters, the action says so.
    struct Command {
        const char* word; // UTF-8
        bool (*matches)(const QString& text, const QString& word);
        void (CallsignCommands::*run)(int row, const Command& command);
        int n = 0; // the host of "de.ts" to "de4.ts", the rows of "111" to "777", ...
    };
    static std::span<const Command> commands();

    // What "???" writes into the remarks boxes.
    static const QString kHelpLine1;
    static const QString kHelpLine2;
    static const QString kHelpLine3;
    static const QString kHelpLine4;

  private:
    void empty(int row);
    void handled();

    void rel1(int row, const Command& c);
    void rel0(int row, const Command& c);
    void atis(int row, const Command& c);
    void alpha(int row, const Command& c);
    void atcFrequency(int row, const Command& c);
    void contactFrequency(int row, const Command& c);
    void clear(int row, const Command& c);
    void textMacro(int row, const Command& c);
    void hideMacro(int row, const Command& c);
    void pruef(int row, const Command& c);
    void wech(int row, const Command& c);
    void imm(int row, const Command& c);
    void adv(int row, const Command& c);
    void voiceServer(int row, const Command& c);
    void rw(int row, const Command& c);
    void help(int row, const Command& c);
    void rrr(int row, const Command& c);
    void such(int row, const Command& c);
    void raise(int row, const Command& c);
    void oneStrip(int row, const Command& c);
    void www(int row, const Command& c);
    void qqq(int row, const Command& c);
    void clearFirstRow(int row, const Command& c);
    void rows(int row, const Command& c);
    void autosid(int row, const Command& c);
    void nosid(int row, const Command& c);
    void today(int row, const Command& c);
    void dep(int row, const Command& c);
    void sid(int row, const Command& c);
    void ip(int row, const Command& c);
    void groundMarks(int row, const Command& c);

    MainWindow& w_;
    ChartWindow& charts_;
    GroundInfoWindow& ground_;
    ConsoleState& state_;
    WeatherState& weather_;
    Uses uses_;
    Program program_;
};

} // namespace vellaro
