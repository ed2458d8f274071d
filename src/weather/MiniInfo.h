#pragma once

namespace vellaro {

class ChartWindow;
class MainWindow;
class MetarDecoder;
class MiniInfoWindow;
class ScreenInfo;

// The Mini-Info window Form2: the weather block in a small bar instead of the console.
class MiniInfo {
  public:
    MiniInfo(MainWindow& window, MiniInfoWindow& mini, ChartWindow& charts, ScreenInfo& screen,
             MetarDecoder& decoder);

    void Form_Load();
    // "Mini" on the main window.
    void Command9_Click();
    // "Back", "DEP" and "mini"/"norm" on the Mini-Info window.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  private:
    void backToMainWindow();

    MainWindow& w_;
    MiniInfoWindow& m_;
    ChartWindow& charts_;
    ScreenInfo& screen_;
    MetarDecoder& decoder_;
};

} // namespace vellaro
