#include "weather/Overview.h"

#include "core/Console.h"

namespace vellaro {

Overview::Overview(Console& console) : c_(console) {}

void Overview::Command41_Click() {}

} // namespace vellaro
