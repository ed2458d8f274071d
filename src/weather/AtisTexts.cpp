#include "weather/AtisTexts.h"

#include "core/Console.h"

namespace vellaro {

AtisTexts::AtisTexts(Console& console) : c_(console) {}

void AtisTexts::abc1() {}

} // namespace vellaro
