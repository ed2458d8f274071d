#pragma once

namespace vellaro {

class DataFiles;
class MainWindow;
struct ConsoleState;

// Where the information panel Text21 stands when shown and when put away; the
// controller list shows in the same panel.
inline constexpr int kInfoPanelShownTop = 0;
inline constexpr int kInfoPanelHiddenTop = 6480;

// "ILS-Info": the ILS data of ils.txt in the information panel.
class IlsInfo {
  public:
    IlsInfo(MainWindow& window, ConsoleState& state, const DataFiles& files);

    void Command6_Click();
    // Fills the panel from ils.txt; a missing file is written and announced in the panel.
    void loadils();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    const DataFiles& files_;
};

} // namespace vellaro
