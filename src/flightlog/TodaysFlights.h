#pragma once

namespace vellaro {

class MainWindow;
class TodaysFlightsWindow;

// Today's flights, the window Form3 over the flight log.
class TodaysFlights {
  public:
    TodaysFlights(MainWindow& window, TodaysFlightsWindow& today);

    // "Heute": opens today's flights.
    void Command5_Click();
    // The yellow spot beside row 0's callsign box does the same.
    void Label27_Click() { Command5_Click(); }

  private:
    TodaysFlightsWindow& today_;
};

} // namespace vellaro
