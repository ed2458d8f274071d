#pragma once

namespace vellaro {

class Console;

// Three-airport weather overview.
class Overview {
  public:
    explicit Overview(Console& console);

    void Command41_Click();

  private:
    Console& c_;
};

} // namespace vellaro
