#include "network/ServiceAddresses.h"

#include "core/DataFiles.h"
#include "core/Text.h"

#include <QUrl>

namespace vellaro {

namespace {

const QString kPlaceholder = QStringLiteral("{icao}");

struct Entry {
    ServiceAddresses::Service service;
    const char* name;
    const char* builtin;
};

const Entry kEntries[] = {
    {ServiceAddresses::Service::IvaoMetar, "ivao-metar", "http://wx.ivao.aero/metar.php?id={icao}"},
    {ServiceAddresses::Service::NoaaMetar, "noaa-metar",
     "http://weather.noaa.gov/cgi-bin/mgetmetar.pl?cccc={icao}"},
    {ServiceAddresses::Service::IvaoNetworkMetar, "ivao-network-metar",
     "http://www.ivao.aero/network/metar.asp?id={icao}"},
    {ServiceAddresses::Service::Whazzup, "whazzup", "http://data.ivao.aero/whazzup.txt"},
    {ServiceAddresses::Service::WhazzupFallback, "whazzup-fallback",
     "http://data.ivao.aero/whazzup.cgi"},
    {ServiceAddresses::Service::Update, "update", "http://www.vellaro.de/update/upd.txt"},
    {ServiceAddresses::Service::PublicAddress, "public-address", "http://www.vellaro.de/ip.php3"},
};

const Entry& entryOf(ServiceAddresses::Service s) {
    for (const Entry& e : kEntries) {
        if (e.service == s) {
            return e;
        }
    }
    return kEntries[0];
}

// Only plain web addresses are taken; anything else in the file would end in a
// request nobody can answer.
bool isWebAddress(const QString& t) {
    return t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           t.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

ServiceAddresses::ServiceAddresses(const DataFiles& files) : files_(files) {}

QString ServiceAddresses::serviceName(Service service) {
    return QString::fromLatin1(entryOf(service).name);
}

QString ServiceAddresses::builtinTemplate(Service service) {
    return QString::fromLatin1(entryOf(service).builtin);
}

std::optional<ServiceAddresses::Service> ServiceAddresses::serviceByName(const QString& name) {
    for (const Entry& e : kEntries) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
            return e.service;
        }
    }
    return std::nullopt;
}

QString ServiceAddresses::addressTemplate(Service service) const {
    // Read on every use, so an edit while the console runs counts from the next request.
    const auto r = files_.readLines(QStringLiteral("services.txt"));
    QString chosen = builtinTemplate(service);
    if (!r.ok()) {
        return chosen;
    }
    for (const QString& line : r.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            continue;
        }
        const auto named = serviceByName(line.left(eq).trimmed());
        const QString value = line.mid(eq + 1).trimmed();
        if (named && *named == service && isWebAddress(value)) {
            chosen = value; // the last line for a service wins
        }
    }
    return chosen;
}

QString ServiceAddresses::fill(const QString& addressTemplate, const QString& value) {
    QString out = addressTemplate;
    return out.replace(kPlaceholder, QString::fromLatin1(QUrl::toPercentEncoding(value)));
}

QString ServiceAddresses::url(Service service, const QString& value) const {
    return fill(addressTemplate(service), value);
}

QString ServiceAddresses::cutNoaaReport(const QString& page, const QString& key) {
    QString r = page;
    const qsizetype p = text::instr(r, key);
    if (p != 0) {
        r = text::mid(r, p);
    }
    const qsizetype br = text::instr(r, QStringLiteral("<BR>"));
    if (br != 0) {
        r = text::left(r, br - 1);
    }
    return r;
}

} // namespace vellaro
