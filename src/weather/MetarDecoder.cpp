#include "weather/MetarDecoder.h"

#include "core/Console.h"

namespace vellaro {

MetarDecoder::MetarDecoder(Console& console) : c_(console) {}

} // namespace vellaro
