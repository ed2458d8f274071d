#include "weather/AutoAtis.h"

#include "core/Console.h"

namespace vellaro {

AutoAtis::AutoAtis(Console& console) : c_(console) {}

void AutoAtis::autoAtis() {}

} // namespace vellaro
