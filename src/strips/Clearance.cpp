#include "strips/Clearance.h"

#include "core/Console.h"

namespace vellaro {

Clearance::Clearance(Console& console) : c_(console) {}

} // namespace vellaro
