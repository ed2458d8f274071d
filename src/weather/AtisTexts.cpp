#include "weather/AtisTexts.h"

#include "core/Console.h"

namespace vellaro {

AtisTexts::AtisTexts(Console& console) : c_(console) {}

} // namespace vellaro
