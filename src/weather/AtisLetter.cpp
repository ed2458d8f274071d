#include "weather/AtisLetter.h"

#include "core/Console.h"

namespace vellaro {

AtisLetter::AtisLetter(Console& console) : c_(console) {}

} // namespace vellaro
