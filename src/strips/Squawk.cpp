#include "strips/Squawk.h"

#include "core/Console.h"

namespace vellaro {

Squawk::Squawk(Console& console) : c_(console) {}

void Squawk::loadsquawk() {}

void Squawk::savesquawk() {}

} // namespace vellaro
