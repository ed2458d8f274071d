#include "network/ServiceAddresses.h"

#include "core/Console.h"

namespace vellaro {

ServiceAddresses::ServiceAddresses(Console& console) : c_(console) {}

QString ServiceAddresses::url(Service service, const QString& value) const {
    return {};
}

} // namespace vellaro
