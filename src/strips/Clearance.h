#pragma once

namespace vellaro {

class Console;

// Clearance and release request texts for the clipboard.
class Clearance {
  public:
    explicit Clearance(Console& console);

    // Clearance of row n onto the clipboard, then the row colour toggles.
    void fgc(int n);
    // Release request of row n onto the clipboard.
    void releaseRequest(int n);

  private:
    Console& c_;
};

} // namespace vellaro
