#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace vellaro {

// An aircraft and the code its transponder shows.
struct SquawkHolder {
    QString callsign;
    QString code; // four octal digits
};

// The code of a transponder value of the JSON status feed: a decimal integer whose
// digits are the octal code (7442 is 7442, 200 is 0200). Empty for anything else.
QString feedTransponderCode(double value);

// Great-circle distance in nautical miles (earth radius 3440.065 NM).
double distanceNm(double lat1, double lon1, double lat2, double lon2);

// The pilots of a JSON status feed whose last position lies within rangeNm of the
// centre, with their codes, in the feed's order. Nothing when the body is no feed.
std::optional<std::vector<SquawkHolder>> squawksNear(const QString& jsonBody, double latitude,
                                                     double longitude, double rangeNm);

} // namespace vellaro
