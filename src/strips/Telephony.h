#pragma once

namespace vellaro {

class DataFiles;
class MainWindow;
class MessageBoxService;
struct ConsoleState;
struct DefaultFile;

// Callsign telephony: a three-letter airline key in a callsign box becomes the
// airline's radio name and designator ("cfg" -> "Condor CFG"), from airlines.txt.
class Telephony {
  public:
    Telephony(MainWindow& window, const ConsoleState& state, const DataFiles& files,
              MessageBoxService& messages);

    // Expands the callsign box of ConsoleState.lookupRow.
    void airlines();

    static const DefaultFile& defaultFile();

  private:
    MainWindow& w_;
    const ConsoleState& state_;
    const DataFiles& files_;
    MessageBoxService& messages_;
    // A rewrite re-runs the box's interpreter; a rewrite to another three-letter key
    // must not start a lookup inside this one (two such lines would never end).
    bool expanding_ = false;
};

} // namespace vellaro
