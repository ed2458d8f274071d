#include "weather/Runways.h"

#include "core/Console.h"

namespace vellaro {

Runways::Runways(Console& console) : c_(console) {}

void Runways::loadrwy() {}

} // namespace vellaro
