#include "network/ServiceAddresses.h"

#include "core/DataFiles.h"
#include "core/Download.h"
#include "core/Text.h"
#include "network/AnswerAdapters.h"

#include <QUrl>

namespace vellaro {

namespace {

const QString kPlaceholder = QStringLiteral("{icao}");

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
    {ServiceAddresses::Service::IvaoMetar, "ivao-metar", "http://wx.ivao.aero/metar.php?id={icao}",
     "https://wx.ivao.aero/metar.php?id={icao}", Form::Text},
    {ServiceAddresses::Service::NoaaMetar, "noaa-metar",
     "http://weather.noaa.gov/cgi-bin/mgetmetar.pl?cccc={icao}",
     "https://aviationweather.gov/api/data/metar?ids={icao}&format=raw", Form::RawMetars},
    {ServiceAddresses::Service::IvaoNetworkMetar, "ivao-network-metar",
     "http://www.ivao.aero/network/metar.asp?id={icao}", "https://wx.ivao.aero/metar.php?id={icao}",
     Form::Text},
    {ServiceAddresses::Service::Whazzup, "whazzup", "http://data.ivao.aero/whazzup.txt",
     "https://api.ivao.aero/v2/tracker/whazzup", Form::JsonFeed},
    {ServiceAddresses::Service::WhazzupFallback, "whazzup-fallback",
     "http://data.ivao.aero/whazzup.cgi", "https://api.ivao.aero/v2/tracker/whazzup",
     Form::JsonFeed},
    {ServiceAddresses::Service::Update, "update", "http://www.vellaro.de/update/upd.txt",
     "http://www.vellaro.de/update/upd.txt", Form::Text},
    {ServiceAddresses::Service::PublicAddress, "public-address", "http://www.vellaro.de/ip.php3",
     "https://api.ipify.org", Form::Text},
};

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

QString ServiceAddresses::proControllerMacroFile(const QString& platformPath) const {
    QString chosen = platformPath;
    const auto r = files_.readLines(QStringLiteral("services.txt"));
    for (const QString& line : r.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QLatin1String("pc-macros") &&
            !line.mid(eq + 1).trimmed().isEmpty()) {
            chosen = line.mid(eq + 1).trimmed(); // the last line wins
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

std::optional<QString> ServiceAddresses::fetch(const Download& download, Service service,
                                               const QString& value) const {
    const Address a = address(service);
    const auto body = download.get(fill(a.urlTemplate, value));
    if (!body) {
        return std::nullopt;
    }
    if (onFeed && table_ == Table::Live && a.form == AnswerForm::JsonFeed) {
        onFeed(*body);
    }
    return adapt(a.form, *body, value);
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
    const auto r = files_.readLines(QStringLiteral("services.txt"));
    for (const QString& line : r.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QLatin1String(name)) {
            const QString value = line.mid(eq + 1).trimmed();
            if (valid(value)) {
                chosen = value; // the last line wins
            }
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

QString ServiceAddresses::adapt(AnswerForm form, const QString& body, const QString& value) {
    switch (form) {
    case AnswerForm::RawMetars:
        return noaaPageFromRawList(body, value);
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
