#pragma once

namespace vellaro {

class MainWindow;

// How often a callsign appears in the flight log.
class CallsignHistory {
  public:
    explicit CallsignHistory(MainWindow& window);

    // Counts row 0's callsign in log.txt; the count goes to row 0's remarks and the clipboard.
    void getaircraft();

  private:
    MainWindow& w_;
};

} // namespace vellaro
