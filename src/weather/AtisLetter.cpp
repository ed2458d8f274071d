#include "weather/AtisLetter.h"

#include "core/Console.h"

namespace vellaro {

AtisLetter::AtisLetter(Console& console) : c_(console) {}

void AtisLetter::abc() {}

void AtisLetter::restartAtAlpha(bool flash) {}

void AtisLetter::flashOk() {}

} // namespace vellaro
