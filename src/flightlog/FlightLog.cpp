#include "flightlog/FlightLog.h"

#include "core/Console.h"

namespace vellaro {

FlightLog::FlightLog(Console& console) : c_(console) {}

void FlightLog::log(int n) {}

} // namespace vellaro
