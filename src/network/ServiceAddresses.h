#pragma once

#include <QString>

#include <optional>

namespace vellaro {

class DataFiles;

// Addresses of the outside HTTP services. Each is a template whose "{icao}" takes the
// query value, percent-encoded; services.txt in the data folder may replace any of them.
class ServiceAddresses {
  public:
    explicit ServiceAddresses(const DataFiles& files);

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

    // The template in use: services.txt when it names the service, else the built-in one.
    QString addressTemplate(Service service) const;
    static QString builtinTemplate(Service service);
    // "ivao-metar", "noaa-metar", ... as written in services.txt.
    static QString serviceName(Service service);
    static std::optional<Service> serviceByName(const QString& name);
    // Puts the value, percent-encoded, in the place of every "{icao}".
    static QString fill(const QString& addressTemplate, const QString& value);
    // The report in a NOAA page: from the first occurrence of key up to the next "<BR>"
    // (each cut skipped when its mark is not there).
    static QString cutNoaaReport(const QString& page, const QString& key);

  private:
    const DataFiles& files_;
};

} // namespace vellaro
