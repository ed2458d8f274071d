#pragma once

#include <QString>

namespace vellaro {

// Today's services answer in other shapes than the pages the console was written
// for. Each adapter turns one answer, once per download, into the text the readers
// of the classic answer expect.

// A list of raw reports, one per line, each perhaps led by "METAR " or "SPECI " (and
// "COR "): the station's report as IVAO's weather service sent it, from the station
// code on. Empty text when the station is not in the list.
QString reportFromRawList(const QString& body, const QString& station);
// The same report as the old NOAA page showed it, ended by "<BR>".
QString noaaPageFromRawList(const QString& body, const QString& station);

// The JSON status feed as a classic status file: "!GENERAL", then one colon record
// per client, controllers first, then observers (as stations), then pilots, each in
// the feed's order, with the fields the lookups read in their places. A body that is
// no JSON object is handed back as it came, so the readers see it is no status file.
QString whazzupTextFromJson(const QString& body);

} // namespace vellaro
