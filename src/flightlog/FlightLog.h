#pragma once

#include <QString>

#include <array>

namespace vellaro {

class Clock;
class DataFiles;
class GroundInfo;
class MainWindow;

// Widths of the five strip fields of a log line: callsign, destination, route,
// squawk, remarks.
inline constexpr std::array<int, 5> kLogFieldWidths = {20, 4, 7, 4, 36};

// What one line of log.txt is made of: the five strip fields as the row shows
// them, the date and time texts, and the runway.
struct LogLine {
    std::array<QString, 5> fields;
    QString date;
    QString time;
    QString runway;
};

// The line itself: each field cut to its width and filled with full stops, the
// callsign in upper case, everything separated by two blanks.
QString composeLogLine(const LogLine& line);

// Landing strips are the ones whose remarks start with "Landung".
bool isLandingRemark(const QString& remarks);

// Writes a deleted strip to log.txt.
class FlightLog {
  public:
    FlightLog(MainWindow& window, GroundInfo& groundInfo, const DataFiles& files,
              const Clock& clock);

    // Writes strip row n as one line of log.txt; hands a departure to Ground-Info.
    void log(int n);

  private:
    MainWindow& w_;
    GroundInfo& groundInfo_;
    const DataFiles& files_;
    const Clock& clock_;
};

} // namespace vellaro
