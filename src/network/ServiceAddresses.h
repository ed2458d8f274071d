#pragma once

#include <QString>

namespace vellaro {

class Console;

// Addresses of the outside HTTP services.
class ServiceAddresses {
  public:
    explicit ServiceAddresses(Console& console);

    enum class Service {
        IvaoMetar,
        NoaaMetar,
        IvaoNetworkMetar,
        Whazzup,
        WhazzupFallback,
        Update,
        PublicAddress
    };
    // The address of a service, with the query value URL-encoded into it.
    QString url(Service service, const QString& value = {}) const;

  private:
    Console& c_;
};

} // namespace vellaro
