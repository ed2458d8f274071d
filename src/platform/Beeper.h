#pragma once

namespace vellaro {

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

} // namespace vellaro
