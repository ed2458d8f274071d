#pragma once

namespace vellaro {

class Form;
class MainWindow;
struct ConsoleState;

// Window heights of the display modes, in twips.
inline constexpr int kFoldedHeight = 1760;
inline constexpr int kUnfoldedHeight = 5580;
inline constexpr int kOneRowHeight = 2475;
inline constexpr int kTwoRowsHeight = 2890;
inline constexpr int kThreeRowsHeight = 3305;
// "Heute" below the board, or up in the strip header where a short window still shows it.
inline constexpr int kTodayButtonBelowBoard = 4935;
inline constexpr int kTodayButtonInHeader = 1365;

// Fold and unfold the strip board, the compact views, the one-strip mode and raising
// the window back onto the screen.
class DisplayModes {
  public:
    DisplayModes(MainWindow& window, Form& chartWindow, ConsoleState& state);

    // "DEP": fold or unfold; the caption, the fold area and the METAR line do the same.
    void Command8_Click();
    void Label1_Click() { Command8_Click(); }
    void Label10_Click() { Command8_Click(); }
    void Label16_Click() { Command8_Click(); }
    // Compact views: two rows, or one row.
    void Label2_DblClick();
    void Label5_DblClick() { compactView(kOneRowHeight); }
    void Label7_DblClick() { compactView(kOneRowHeight); }
    void Label8_DblClick() { compactView(kOneRowHeight); }
    // Height for three rows.
    void Label24_Click();
    // One-strip mode, by label and by the "Strip" button.
    void Label25_Click();
    void Command53_Click();
    // ">": the top block back onto the screen; "Next Squawk" also moves the window right.
    void Command54_Click();
    void Label21_Click() { Command54_Click(); }
    void Label4_DblClick();

  private:
    void compactView(int height);

    MainWindow& w_;
    Form& charts_;
    ConsoleState& state_;
};

} // namespace vellaro
