#include "network/AnswerAdapters.h"

#include "core/DataFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

namespace vellaro {

namespace {

const QString kBreak = QStringLiteral("<BR>");
const QString kCrLf = QStringLiteral("\r\n");

// Fields of a classic client record, counted from 1.
constexpr int kRecordFields = 49;
enum Field {
    Callsign = 1,
    UserId = 2,
    Name = 3,
    ClientType = 4,
    Frequency = 5,
    Departure = 12,
    CruisingLevel = 13,
    Destination = 14,
    ServerId = 15,
    Alternate = 29,
    Remarks = 30,
    Route = 31,
};

// A value must not shift the fields after it, nor split the record.
QString fieldText(QString v) {
    v.replace(QLatin1Char(':'), QLatin1Char(' '));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

// Numbers as their decimal digits (ids), anything else as its text.
QString valueText(const QJsonValue& v) {
    if (v.isDouble()) {
        const double d = v.toDouble();
        // Whole numbers that a 64-bit integer holds exactly; the cast of any other
        // would be undefined.
        constexpr double exact = 9007199254740992.0; // 2^53
        const bool whole = std::trunc(d) == d && std::abs(d) <= exact;
        return whole ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    return v.isString() ? v.toString() : QString();
}

QString frequencyText(const QJsonValue& v) {
    return v.isDouble() ? QString::number(v.toDouble(), 'f', 3) : valueText(v);
}

class Record {
  public:
    void set(int field, const QString& value) {
        fields_[std::size_t(field - 1)] = fieldText(value);
    }
    QString line() const {
        QString out;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            out += fields_[i];
            if (i + 1 < fields_.size()) {
                out += QLatin1Char(':');
            }
        }
        return out;
    }

  private:
    std::array<QString, kRecordFields> fields_;
};

Record commonRecord(const QJsonObject& client, const char* type) {
    Record r;
    r.set(Callsign, valueText(client.value(QLatin1String("callsign"))));
    const QString id = valueText(client.value(QLatin1String("userId")));
    r.set(UserId, id);
    // The feed carries no names; the user id stands in for one.
    r.set(Name, id);
    r.set(ClientType, QString::fromLatin1(type));
    r.set(ServerId, valueText(client.value(QLatin1String("serverId"))));
    return r;
}

QString controllerLine(const QJsonObject& atc) {
    Record r = commonRecord(atc, "ATC");
    const QJsonObject session = atc.value(QLatin1String("atcSession")).toObject();
    r.set(Frequency, frequencyText(session.value(QLatin1String("frequency"))));
    return r.line();
}

QString pilotLine(const QJsonObject& pilot) {
    Record r = commonRecord(pilot, "PILOT");
    const QJsonObject plan = pilot.value(QLatin1String("flightPlan")).toObject();
    auto take = [&](int field, const char* key) {
        r.set(field, valueText(plan.value(QLatin1String(key))));
    };
    take(Departure, "departureId");
    take(CruisingLevel, "level");
    take(Destination, "arrivalId");
    take(Alternate, "alternativeId");
    take(Remarks, "remarks");
    take(Route, "route");
    return r.line();
}

} // namespace

QString reportFromRawList(const QString& body, const QString& station) {
    if (station.isEmpty()) {
        return {};
    }
    // Stations are typed in either case; the service answers in capitals.
    const QString key = station.toUpper() + QLatin1Char(' ');
    for (QString line : splitLines(body)) {
        line = line.trimmed();
        // "METAR EDDB ...", "SPECI COR EDDB ...": the report starts at the station.
        for (const char* lead : {"METAR ", "SPECI "}) {
            if (line.startsWith(QLatin1String(lead))) {
                line = line.mid(int(qstrlen(lead))).trimmed();
                if (line.startsWith(QLatin1String("COR "))) {
                    line = line.mid(4).trimmed();
                }
            }
        }
        if (line.startsWith(key)) {
            return line;
        }
    }
    return {};
}

QString noaaPageFromRawList(const QString& body, const QString& station) {
    const QString report = reportFromRawList(body, station);
    return report.isEmpty() ? report : report + kBreak;
}

QString whazzupTextFromJson(const QString& body) {
    const QJsonDocument doc = QJsonDocument::fromJson(body.toUtf8());
    if (!doc.isObject()) {
        return body;
    }
    const QJsonObject clients = doc.object().value(QLatin1String("clients")).toObject();
    QString out = QStringLiteral("!GENERAL") + kCrLf + QStringLiteral("!CLIENTS") + kCrLf;
    // Observers stand in a list of their own; the console lists them as stations.
    for (const char* list : {"atcs", "observers"}) {
        for (const QJsonValue atc : clients.value(QLatin1String(list)).toArray()) {
            if (atc.isObject()) {
                out += controllerLine(atc.toObject()) + kCrLf;
            }
        }
    }
    for (const QJsonValue pilot : clients.value(QLatin1String("pilots")).toArray()) {
        if (pilot.isObject()) {
            out += pilotLine(pilot.toObject()) + kCrLf;
        }
    }
    return out;
}

} // namespace vellaro
