#include "flightlog/FlightLog.h"

#include "core/Conventions.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "flightlog/LogScan.h"
#include "panels/GroundInfo.h"

namespace vellaro {

namespace {

const QString kLogFile = QStringLiteral("log.txt");

// A line break inside a box would split the record in two.
QString flat(QString s) {
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

} // namespace

bool isLandingRemark(const QString& remarks) {
    return text::left(remarks, 7) == QLatin1String("Landung");
}

QString composeLogLine(const LogLine& line) {
    const QString sep = QStringLiteral("  ");
    QString out;
    for (std::size_t i = 0; i < line.fields.size(); ++i) {
        const int width = kLogFieldWidths[i];
        QString field = text::left(flat(line.fields[i]), width);
        if (i == 0) {
            field = upperKeepingLength(field);
        }
        out += field + QString(width - field.size(), QLatin1Char('.')) + sep;
    }
    return out + flat(line.date) + sep + flat(line.time) + sep + flat(line.runway);
}

FlightLog::FlightLog(MainWindow& window, GroundInfo& groundInfo, const DataFiles& files,
                     const Clock& clock)
    : w_(window), groundInfo_(groundInfo), files_(files), clock_(clock) {}

void FlightLog::log(int n) {
    const auto boxes = w_.row(n);
    auto box = [&boxes](int col) -> TextBox& { return *boxes[std::size_t(col)]; };

    // The hand-over comes first: it sees the callsign before it is cut.
    if (!isLandingRemark(box(4).text())) {
        groundInfo_.handOver(text::trim(text::right(box(0).text(), 7)));
    }
    for (int col = 0; col < 5; ++col) {
        if (box(col).text().isEmpty()) {
            box(col).setText(QString(kLogFieldWidths[col], QLatin1Char('.')));
        }
    }
    for (int col = 0; col < 5; ++col) {
        box(col).setText(text::left(box(col).text(), kLogFieldWidths[col]));
    }

    LogLine line;
    for (int col = 0; col < 5; ++col) {
        line.fields[col] = box(col).text();
    }
    const bool landingRunway =
        isLandingRemark(line.fields[4]) || line.fields[3] == QLatin1String("----");
    line.runway = (landingRunway ? w_.Text4 : w_.Text5).text();
    line.date = dateText(clock_);
    line.time = timeText(clock_);

    // A log that cannot be written loses this line only; the strip goes all the same.
    files_.appendLines(kLogFile, {composeLogLine(line)});
}

} // namespace vellaro
