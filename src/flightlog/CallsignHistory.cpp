#include "flightlog/CallsignHistory.h"

#include "core/MainWindow.h"

namespace vellaro {

CallsignHistory::CallsignHistory(MainWindow& w) : w_(w) {}

// Filled by the flight log readers.
void CallsignHistory::getaircraft() {}

} // namespace vellaro
