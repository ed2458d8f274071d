#pragma once

#include <QString>

// Reading the network status file. Records are never parsed whole: a lookup anchors at
// the first occurrence of its key anywhere in the text and counts colons from there,
// each scan over a bounded number of characters. Positions count from 1, and every
// reader takes what stands where the text is cut short; none reads past either end.
namespace vellaro::whazzup {

// The status file starts with its general section.
bool isStatusFile(const QString& text);

// Looking at the characters anchor+1 .. anchor+scan, the offset from the anchor of the
// k-th colon; scan + 1 when fewer than k colons lie there.
qsizetype colonOffset(const QString& text, qsizetype anchor, int k, int scan);

// count characters from position start, none when count is not positive.
QString piece(const QString& text, qsizetype start, qsizetype count);

// The panel line of an online station: callsign, name and frequency separated by " - ",
// ended by CR LF. Empty when the key does not occur.
QString controllerLine(const QString& text, const QString& key);

// The 4 characters of the destination field counted from the key's first occurrence;
// anchor receives that occurrence (0 when the key does not occur).
QString destination(const QString& text, const QString& key, qsizetype* anchor = nullptr);

// The flight plan box (route, CR LF, remarks; each field with its closing colon, at
// most 40 characters) and the departure aerodrome, counted from the key.
struct FlightPlanBoxes {
    QString routeAndRemarks;
    QString departure;
};
FlightPlanBoxes flightPlanBoxes(const QString& text, qsizetype anchor);

// Every record that names the aerodrome between colons, except the IVAN ones: the
// record's first six characters, a blank and the code, one line each ended by CR LF.
QString aerodromeList(const QString& text, const QString& code);

} // namespace vellaro::whazzup
