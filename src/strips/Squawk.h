#pragma once

namespace vellaro {

class Console;

// Squawk code assignment and squawk.txt.
class Squawk {
  public:
    explicit Squawk(Console& console);

    void loadsquawk();
    void savesquawk();

  private:
    Console& c_;
};

} // namespace vellaro
