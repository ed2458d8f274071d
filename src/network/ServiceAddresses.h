#pragma once

#include "platform/AtcClientLink.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vellaro {

class DataFiles;
class Download;

// Addresses of the outside HTTP services and the form of each answer. An address is
// a template whose "{icao}" takes the query value, percent-encoded; services.txt in
// the data folder may replace any of them, and name the answer's form as well.
class ServiceAddresses {
  public:
    enum class Service {
        IvaoMetar,
        NoaaMetar,
        IvaoNetworkMetar,
        Whazzup,
        WhazzupFallback,
        Update,
        PublicAddress
    };
    // How an answer comes: as the console reads it, a list of raw METAR lines, or the
    // JSON status feed.
    enum class AnswerForm { Text, RawMetars, JsonFeed };
    // classic: the services as the console was written for them; live: today's.
    enum class Table { Classic, Live };

    struct Address {
        QString urlTemplate;
        AnswerForm form = AnswerForm::Text;
    };

    explicit ServiceAddresses(const DataFiles& files, Table table = Table::Classic);
    void setTable(Table table) { table_ = table; }
    Table table() const { return table_; }

    // The address of a service, with the query value URL-encoded into it.
    QString url(Service service, const QString& value = {}) const;
    // Downloads a service's answer and turns it into the text the console's readers
    // expect; nothing when the console was closed during the wait.
    std::optional<QString> fetch(const Download& download, Service service,
                                 const QString& value = {}) const;

    // The address in use: services.txt when it names the service, else the built-in one.
    Address address(Service service) const;
    QString addressTemplate(Service service) const { return address(service).urlTemplate; }
    static Address builtin(Table table, Service service);
    static QString builtinTemplate(Service service) {
        return builtin(Table::Classic, service).urlTemplate;
    }
    // "ivao-metar", "noaa-metar", ... as written in services.txt.
    static QString serviceName(Service service);
    static std::optional<Service> serviceByName(const QString& name);
    // "text", "raw", "json" as written after an address in services.txt.
    static std::optional<AnswerForm> formByName(const QString& name);
    // Puts the value, percent-encoded, in the place of every "{icao}".
    static QString fill(const QString& addressTemplate, const QString& value);
    // The answer as the service's readers expect it; value is the query value of the
    // request.
    static QString adapt(Service service, AnswerForm form, const QString& body,
                         const QString& value);
    // The station whose report is fetched for a station: its own, or a neighbour's where
    // it has none (closed aerodromes, services.txt "metar-proxy=").
    QString reportingStation(const QString& station) const;
    // A neighbour's report handed on under the requested station's code.
    static QString renameStation(const QString& answer, const QString& from, const QString& to);
    // The report in a NOAA page: from the first occurrence of key up to the next "<BR>"
    // (each cut skipped when its mark is not there).
    static QString cutNoaaReport(const QString& page, const QString& key);

    // The ATC client's text-macro file: a line "pc-macros=PATH" in services.txt, else
    // where the platform keeps it.
    QString proControllerMacroFile(const QString& platformPath) const;

    // The ATC client's local interface: "atc-client=HOST:PORT" in services.txt, else
    // 127.0.0.1:1130; nothing after "atc-client=off".
    std::optional<AtcClientLink::Endpoint> atcClientEndpoint() const;
    static constexpr quint16 kAtcClientPort = 1130;

    // Where the status feed's squawks count as in use: "squawk-centre=LAT LON" and
    // "squawk-range=NM", else 300 NM around Berlin. A range of 0 turns that source off.
    struct SquawkArea {
        double latitude = 52.36;
        double longitude = 13.50;
        double rangeNm = 300;
    };
    SquawkArea squawkArea() const;

    // Hears every download of the live table's JSON status feed, before it is adapted.
    std::function<void(const QString& body)> onFeed;
    // Downloads the status feed only for onFeed (no adapter, no fallback). False, with
    // nothing fetched, where the table has no JSON feed; nothing when the console was
    // closed during the wait.
    std::optional<bool> refreshFeed(const Download& download) const;

  private:
    // The values of every "key=value" line of services.txt, in file order.
    QStringList settings(const QString& key) const;
    // The value of the last "name=value" line of services.txt that passes the test.
    QString setting(const char* name, const std::function<bool(const QString&)>& valid) const;

    const DataFiles& files_;
    Table table_;
};

} // namespace vellaro
