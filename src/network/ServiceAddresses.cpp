#include "network/ServiceAddresses.h"

#include "core/Console.h"

namespace vellaro {

ServiceAddresses::ServiceAddresses(Console& console) : c_(console) {}

} // namespace vellaro
