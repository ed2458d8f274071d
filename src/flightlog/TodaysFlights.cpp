#include "flightlog/TodaysFlights.h"

#include "core/MainWindow.h"
#include "flightlog/TodaysFlightsWindow.h"

namespace vellaro {

TodaysFlights::TodaysFlights(MainWindow& w, TodaysFlightsWindow& today) : today_(today) {
    w.Command5.onClick = [this] { Command5_Click(); };
    w.Label27.onClick = [this] { Label27_Click(); };
}

void TodaysFlights::Command5_Click() {
    // Reading the log into the window comes with the flight log readers.
}

} // namespace vellaro
