#include "network/ServiceAddresses.h"

#include "core/DataFiles.h"
#include "core/Download.h"
#include "core/Text.h"
#include "network/AnswerAdapters.h"

#include <QStringList>
#include <QUrl>

namespace vellaro {

namespace {

const QString kPlaceholder = QStringLiteral("{icao}");
const char* const kRawMetars = "https://aviationweather.gov/api/data/metar?ids={icao}&format=raw";

struct Entry {
    ServiceAddresses::Service service;
    const char* name;
    const char* classic;
    const char* live;
    ServiceAddresses::AnswerForm liveForm;
};

using Form = ServiceAddresses::AnswerForm;

// The classic addresses follow the paths the console was written for; the live ones
// are today's public services, whose answers the adapters bring into that shape.
const Entry kEntries[] = {
    // IVAO's own weather service is gone; the network's weather is the real world's.
    {ServiceAddresses::Service::IvaoMetar, "ivao-metar", "http://wx.ivao.aero/metar.php?id={icao}",
     kRawMetars, Form::RawMetars},
    {ServiceAddresses::Service::NoaaMetar, "noaa-metar",
     "http://weather.noaa.gov/cgi-bin/mgetmetar.pl?cccc={icao}", kRawMetars, Form::RawMetars},
    {ServiceAddresses::Service::IvaoNetworkMetar, "ivao-network-metar",
     "http://www.ivao.aero/network/metar.asp?id={icao}", kRawMetars, Form::RawMetars},
    {ServiceAddresses::Service::Whazzup, "whazzup", "http://data.ivao.aero/whazzup.txt",
     "https://api.ivao.aero/v2/tracker/whazzup", Form::JsonFeed},
    {ServiceAddresses::Service::WhazzupFallback, "whazzup-fallback",
     "http://data.ivao.aero/whazzup.cgi", "https://api.ivao.aero/v2/tracker/whazzup",
     Form::JsonFeed},
    // No update server of ours is reachable today; asking a stranger's host would hand it
    // the controller's address. services.txt may still name one.
    {ServiceAddresses::Service::Update, "update", "http://www.vellaro.de/update/upd.txt", "",
     Form::Text},
    {ServiceAddresses::Service::PublicAddress, "public-address", "http://www.vellaro.de/ip.php3",
     "https://api.ipify.org", Form::Text},
};

// Closed aerodromes whose weather the live table takes from a neighbour: Tegel and
// Tempelhof send no reports any more, Schoenefeld's stands for Berlin.
const std::pair<const char*, const char*> kLiveProxies[] = {{"EDDT", "EDDB"}, {"EDDI", "EDDB"}};

const std::pair<const char*, Form> kForms[] = {
    {"text", Form::Text}, {"raw", Form::RawMetars}, {"json", Form::JsonFeed}};

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

ServiceAddresses::ServiceAddresses(const DataFiles& files, Table table)
    : files_(files), table_(table) {}

QString ServiceAddresses::serviceName(Service service) {
    return QString::fromLatin1(entryOf(service).name);
}

ServiceAddresses::Address ServiceAddresses::builtin(Table table, Service service) {
    const Entry& e = entryOf(service);
    if (table == Table::Live) {
        return {QString::fromLatin1(e.live), e.liveForm};
    }
    return {QString::fromLatin1(e.classic), Form::Text};
}

std::optional<ServiceAddresses::AnswerForm> ServiceAddresses::formByName(const QString& name) {
    for (const auto& [word, form] : kForms) {
        if (name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) {
            return form;
        }
    }
    return std::nullopt;
}

std::optional<ServiceAddresses::Service> ServiceAddresses::serviceByName(const QString& name) {
    for (const Entry& e : kEntries) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
            return e.service;
        }
    }
    return std::nullopt;
}

ServiceAddresses::Address ServiceAddresses::address(Service service) const {
    // Read on every use, so an edit while the console runs counts from the next request.
    Address chosen = builtin(table_, service);
    const auto r = files_.readLines(QStringLiteral("services.txt"));
    if (!r.ok()) {
        return chosen;
    }
    for (const QString& line : r.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            continue;
        }
        const auto named = serviceByName(line.left(eq).trimmed());
        // "name=address" or "name=address form"; an unknown form keeps the built-in one.
        const QStringList words = line.mid(eq + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!named || *named != service || words.isEmpty() || !isWebAddress(words[0])) {
            continue;
        }
        chosen.urlTemplate = words[0]; // the last line for a service wins
        if (words.size() > 1) {
            if (const auto form = formByName(words[1])) {
                chosen.form = *form;
            }
        }
    }
    return chosen;
}

QStringList ServiceAddresses::settings(const QString& key) const {
    QStringList values;
    const auto r = files_.readLines(QStringLiteral("services.txt"));
    for (const QString& line : r.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key) {
            values.append(line.mid(eq + 1).trimmed());
        }
    }
    return values;
}

QString ServiceAddresses::proControllerMacroFile(const QString& platformPath) const {
    QString chosen = platformPath;
    for (const QString& path : settings(QStringLiteral("pc-macros"))) {
        if (!path.isEmpty()) {
            chosen = path; // the last line wins
        }
    }
    return chosen;
}

QString ServiceAddresses::reportingStation(const QString& station) const {
    const QString key = station.trimmed().toUpper();
    QString proxy;
    if (table_ == Table::Live) {
        for (const auto& [closed, neighbour] : kLiveProxies) {
            if (key == QLatin1String(closed)) {
                proxy = QString::fromLatin1(neighbour);
            }
        }
    }
    // "metar-proxy=EDDT EDDF" gives a station another's report, "metar-proxy=EDDT" its own.
    for (const QString& value : settings(QStringLiteral("metar-proxy"))) {
        const QStringList words = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty() && words[0].toUpper() == key) {
            proxy = words.size() > 1 ? words[1].toUpper() : QString();
        }
    }
    return proxy.isEmpty() || key.isEmpty() ? station : proxy;
}

QString ServiceAddresses::fill(const QString& addressTemplate, const QString& value) {
    QString out = addressTemplate;
    return out.replace(kPlaceholder, QString::fromLatin1(QUrl::toPercentEncoding(value)));
}

QString ServiceAddresses::url(Service service, const QString& value) const {
    return fill(addressTemplate(service), value);
}

std::optional<QString> ServiceAddresses::fetch(const Download& download, Service service,
                                               const QString& value) const {
    const Address a = address(service);
    // A service without an address answers nothing, and nobody is asked.
    if (a.urlTemplate.isEmpty()) {
        return QString();
    }
    const bool weather = service == Service::IvaoMetar || service == Service::NoaaMetar ||
                         service == Service::IvaoNetworkMetar;
    const QString asked = weather ? reportingStation(value) : value;
    const auto body = download.get(fill(a.urlTemplate, asked));
    if (!body) {
        return std::nullopt;
    }
    if (onFeed && table_ == Table::Live && a.form == AnswerForm::JsonFeed) {
        onFeed(*body);
    }
    const QString answer = adapt(service, a.form, *body, asked);
    return asked == value ? answer : renameStation(answer, asked, value);
}

std::optional<bool> ServiceAddresses::refreshFeed(const Download& download) const {
    const Address a = address(Service::Whazzup);
    if (!onFeed || table_ != Table::Live || a.form != AnswerForm::JsonFeed) {
        return false;
    }
    const auto body = download.get(fill(a.urlTemplate, {}));
    if (!body) {
        return std::nullopt;
    }
    onFeed(*body);
    return true;
}

QString ServiceAddresses::setting(const char* name,
                                  const std::function<bool(const QString&)>& valid) const {
    QString chosen;
    for (const QString& value : settings(QLatin1String(name))) {
        if (valid(value)) {
            chosen = value; // the last line wins
        }
    }
    return chosen;
}

namespace {

std::optional<AtcClientLink::Endpoint> endpointOf(const QString& v) {
    const qsizetype colon = v.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) {
        return std::nullopt;
    }
    bool ok = false;
    const uint port = v.mid(colon + 1).toUInt(&ok);
    QString host = v.left(colon);
    // "[::1]:1130"
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        host = host.mid(1, host.size() - 2);
    }
    if (!ok || port == 0 || port > 65535 || host.isEmpty() || host.contains(QLatin1Char(' '))) {
        return std::nullopt;
    }
    return AtcClientLink::Endpoint{host, quint16(port)};
}

std::optional<double> numberIn(const QString& v, double low, double high) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !(d >= low && d <= high)) {
        return std::nullopt;
    }
    return d;
}

QStringList centreWords(const QString& v) {
    return v.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool isCentre(const QString& v) {
    const QStringList w = centreWords(v);
    return w.size() == 2 && numberIn(w[0], -90, 90) && numberIn(w[1], -180, 180);
}

} // namespace

std::optional<AtcClientLink::Endpoint> ServiceAddresses::atcClientEndpoint() const {
    const QString v = setting("atc-client", [](const QString& value) {
        return value.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0 ||
               endpointOf(value).has_value();
    });
    if (v.isEmpty()) {
        return AtcClientLink::Endpoint{QStringLiteral("127.0.0.1"), kAtcClientPort};
    }
    return endpointOf(v);
}

ServiceAddresses::SquawkArea ServiceAddresses::squawkArea() const {
    SquawkArea area;
    if (const QString c = setting("squawk-centre", isCentre); !c.isEmpty()) {
        const QStringList w = centreWords(c);
        area.latitude = *numberIn(w[0], -90, 90);
        area.longitude = *numberIn(w[1], -180, 180);
    }
    const auto isRange = [](const QString& v) { return numberIn(v, 0, 20000).has_value(); };
    if (const QString r = setting("squawk-range", isRange); !r.isEmpty()) {
        area.rangeNm = *numberIn(r, 0, 20000);
    }
    return area;
}

QString ServiceAddresses::renameStation(const QString& answer, const QString& from,
                                        const QString& to) {
    // The code where a report starts: at the start, after a blank, a line end or a tag,
    // and followed by a blank.
    const QString code = from + QLatin1Char(' ');
    QString out;
    qsizetype done = 0;
    for (qsizetype at = answer.indexOf(code); at >= 0; at = answer.indexOf(code, at + 1)) {
        const QChar before = at > 0 ? answer[at - 1] : QLatin1Char(' ');
        if (before.isSpace() || before == QLatin1Char('>')) {
            out += answer.mid(done, at - done) + to;
            done = at + from.size();
        }
    }
    return out + answer.mid(done);
}

QString ServiceAddresses::adapt(Service service, AnswerForm form, const QString& body,
                                const QString& value) {
    switch (form) {
    case AnswerForm::RawMetars:
        // Each report reaches its reader as its own service used to send it.
        return service == Service::NoaaMetar ? noaaPageFromRawList(body, value)
                                             : reportFromRawList(body, value);
    case AnswerForm::JsonFeed:
        return whazzupTextFromJson(body);
    case AnswerForm::Text:
        break;
    }
    return body;
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
