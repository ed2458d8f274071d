#include "network/FeedSquawks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vellaro {

namespace {

constexpr double kEarthRadiusNm = 3440.065;

double radians(double deg) {
    return deg * std::numbers::pi / 180.0;
}

} // namespace

QString feedTransponderCode(double value) {
    if (!std::isfinite(value) || value < 0 || value > 7777 || std::trunc(value) != value) {
        return {};
    }
    QString code = QStringLiteral("%1").arg(int(value), 4, 10, QLatin1Char('0'));
    for (const QChar c : code) {
        if (c > QLatin1Char('7')) {
            return {};
        }
    }
    return code;
}

double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    // Haversine: stable for the short distances that matter here.
    const double dLat = radians(lat2 - lat1);
    const double dLon = radians(lon2 - lon1);
    const double a =
        std::sin(dLat / 2) * std::sin(dLat / 2) +
        std::cos(radians(lat1)) * std::cos(radians(lat2)) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusNm * std::asin(std::sqrt(std::clamp(a, 0.0, 1.0)));
}

std::optional<std::vector<SquawkHolder>> squawksNear(const QString& jsonBody, double latitude,
                                                     double longitude, double rangeNm) {
    const QJsonDocument doc = QJsonDocument::fromJson(jsonBody.toUtf8());
    const QJsonValue clients = doc.object().value(QLatin1String("clients"));
    if (!doc.isObject() || !clients.isObject()) {
        return std::nullopt;
    }
    std::vector<SquawkHolder> found;
    for (const QJsonValue p : clients.toObject().value(QLatin1String("pilots")).toArray()) {
        const QJsonObject pilot = p.toObject();
        const QJsonObject track = pilot.value(QLatin1String("lastTrack")).toObject();
        const QJsonValue lat = track.value(QLatin1String("latitude"));
        const QJsonValue lon = track.value(QLatin1String("longitude"));
        const QJsonValue squawk = track.value(QLatin1String("transponder"));
        const QString callsign = pilot.value(QLatin1String("callsign")).toString();
        if (!lat.isDouble() || !lon.isDouble() || !squawk.isDouble() || callsign.isEmpty()) {
            continue;
        }
        const QString code = feedTransponderCode(squawk.toDouble());
        if (code.isEmpty() ||
            !(distanceNm(latitude, longitude, lat.toDouble(), lon.toDouble()) <= rangeNm)) {
            continue;
        }
        found.push_back({callsign.toUpper(), code});
    }
    return found;
}

} // namespace vellaro
