#pragma once

namespace vellaro {

class Console;

// Start-up and shut-down of the console, and the always-on-top switch.
class Lifecycle {
  public:
    explicit Lifecycle(Console& console);

    void formLoad();
    void formUnload();
    void Check1_Click();

  private:
    Console& c_;
};

} // namespace vellaro
