#pragma once

namespace vellaro {

// The mark a recognised callsign-box command sets; the interpreter shows "OK" for it
// once and clears it. Shared by the command interpreter and the lookups it calls.
class HandledMark {
  public:
    void set() { set_ = true; }
    void clear() { set_ = false; }
    bool isSet() const { return set_; }

  private:
    bool set_ = false;
};

} // namespace vellaro
