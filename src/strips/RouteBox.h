#pragma once

namespace vellaro {

class DataFiles;
class MainWindow;
class MessageBoxService;
class SidCharts;
class StripRows;
struct ConsoleState;
struct DefaultFile;

// The seven route boxes: SID shortcuts from shortcut.txt, "sid" for the chart, and
// the "#" (delete) and "+" (sector chart) prefixes of row 0.
class RouteBox {
  public:
    RouteBox(MainWindow& window, ConsoleState& state, StripRows& rows, SidCharts& charts,
             const DataFiles& files, MessageBoxService& messages);

    void Text9_Change(int n);
    void Text9_DblClick(int n);
    void Text9_GotFocus(int n);

    // The route box processing of row n, on every change of its text.
    void via(int n);
    // Expands the shortcut in the route box of ConsoleState.lookupRow.
    void shortcut();

    static const DefaultFile& defaultFile();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    StripRows& rows_;
    SidCharts& charts_;
    const DataFiles& files_;
    MessageBoxService& messages_;
    // Set by shortcut when it expanded the box; cleared by every route box change.
    bool found_ = false;
    // Expansions that expand again nest; a file whose shortcuts lead round in a
    // circle would otherwise never end.
    int shortcutDepth_ = 0;
};

} // namespace vellaro
