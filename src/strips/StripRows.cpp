#include "strips/StripRows.h"

#include "core/Console.h"

namespace vellaro {

StripRows::StripRows(Console& console) : c_(console) {}

void StripRows::deleteWithLog(int n) {}

void StripRows::auf1(int n) {}

void StripRows::toggleRowColour(int n) {}

void StripRows::deleteAll() {}

void StripRows::quickClear(int n) {}

void StripRows::markLanding(int n) {}

} // namespace vellaro
