#pragma once

#include <QString>

namespace vellaro {

class DataFiles;
class Label;
class MainWindow;
class MessageBoxService;
struct ConsoleState;
struct DefaultFile;

// "ATC" and "Con": each press shows the next line of freq1.txt or freq2.txt.
class FrequencyLists {
  public:
    FrequencyLists(MainWindow& window, ConsoleState& state, const DataFiles& files,
                   MessageBoxService& messages);

    void Command1_Click();
    void Command2_Click();

  private:
    // One press on a list: its file, its label and its count of lines shown.
    void step(const DefaultFile& file, Label& label, int& shown);

    MainWindow& w_;
    ConsoleState& state_;
    const DataFiles& files_;
    MessageBoxService& messages_;
};

} // namespace vellaro
