#include "strips/StripRows.h"

#include "core/Console.h"

namespace vellaro {

StripRows::StripRows(Console& console) : c_(console) {}

} // namespace vellaro
