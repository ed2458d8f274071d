#pragma once

#include <QString>

// A weather report as today's sources write it, brought into the one layout the
// positional readers know: station code, blank, time group, blank, wind group.
namespace vellaro::metar {

// Drops lead words ("METAR", "SPECI", each perhaps with "COR") before the station,
// the groups AUTO, COR, CCx and RTD right after the time group, and a trailing "="
// with trailing blanks and line ends; rewrites a wind in metres per second in knots.
// Text that is no report passes through with only its end trimmed. Lines after the
// first stay attached as they came.
QString normalise(const QString& report);

// A normalised report that says there is no observation (NIL after the time group).
bool isNil(const QString& normalised);

// Position (from 1) of the "Q" of the QNH group: a group that starts with "Q" and four
// digits, followed by no further digit; 0 when the report's first line has none, as in
// reports that give the altimeter in inches or "Q////".
qsizetype qnhGroupPosition(const QString& text);

} // namespace vellaro::metar

namespace vellaro {

class ServiceAddresses;

// "Wetterbericht von EDDB für EDDT" where a station's weather comes from a neighbour,
// else empty: the controller sees whose report stands in the weather block.
QString reportedBy(const ServiceAddresses& services, const QString& station);

} // namespace vellaro
