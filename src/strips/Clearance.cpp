#include "strips/Clearance.h"

#include "core/Console.h"

namespace vellaro {

Clearance::Clearance(Console& console) : c_(console) {}

void Clearance::fgc(int n) {}

void Clearance::releaseRequest(int n) {}

} // namespace vellaro
