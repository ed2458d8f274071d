#include "weather/MetarDecoder.h"

#include "core/Console.h"

namespace vellaro {

MetarDecoder::MetarDecoder(Console& console) : c_(console) {}

void MetarDecoder::decodeMetar() {}

void MetarDecoder::mirrorToMiniInfo() {}

void MetarDecoder::updateInches() {}

} // namespace vellaro
