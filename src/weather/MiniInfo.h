#pragma once

namespace vellaro {

class Console;

// The Mini-Info window Form2.
class MiniInfo {
  public:
    explicit MiniInfo(Console& console);

    void Form_Load();
    // "Mini" on the main window.
    void Command9_Click();
    // "Back", "DEP" and "mini"/"norm" on the Mini-Info window.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  private:
    void backToMainWindow();

    Console& c_;
};

} // namespace vellaro
