#include "weather/MetarReport.h"

#include "network/ServiceAddresses.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace vellaro::metar {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A group of the report with the blanks that follow it, so that a line rebuilt from
// its groups keeps its spacing wherever nothing was dropped.
struct Group {
    QString text;
    QString gap;
};

struct Line {
    QString indent;
    std::vector<Group> groups;
};

Line splitGroups(const QString& line) {
    Line out;
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i])) {
        out.indent += line[i++];
    }
    while (i < line.size()) {
        Group g;
        while (i < line.size() && !isBlank(line[i])) {
            g.text += line[i++];
        }
        while (i < line.size() && isBlank(line[i])) {
            g.gap += line[i++];
        }
        out.groups.push_back(g);
    }
    return out;
}

QString joinGroups(const Line& line) {
    QString out = line.indent;
    for (const Group& g : line.groups) {
        out += g.text + g.gap;
    }
    return out;
}

bool isTimeGroup(const QString& g) {
    if (g.size() != 7 || g[6] != QLatin1Char('Z')) {
        return false;
    }
    for (qsizetype i = 0; i < 6; ++i) {
        if (!isAsciiDigit(g[i])) {
            return false;
        }
    }
    return true;
}

// Groups that say how the report was made, not what it observed.
bool isReportKind(const QString& g) {
    if (g == QLatin1String("AUTO") || g == QLatin1String("COR") || g == QLatin1String("RTD")) {
        return true;
    }
    return g.size() == 3 && g.startsWith(QLatin1String("CC")) && g[2] >= QLatin1Char('A') &&
           g[2] <= QLatin1Char('Z');
}

QString knots(const QString& metresPerSecond) {
    // Whole numbers only, so half up is exact: n x 1.943844 + 0.5.
    const qint64 n = metresPerSecond.toLongLong();
    const qint64 kt = (n * 1943844 + 500000) / 1000000;
    return QStringLiteral("%1").arg(kt, 2, 10, QLatin1Char('0'));
}

bool isSpeed(const QString& s) {
    return (s.size() == 2 || s.size() == 3) && std::all_of(s.begin(), s.end(), isAsciiDigit);
}

// "22004MPS" -> "22008KT", "29004G10MPS" -> "29008G19KT"; anything else unchanged.
QString windInKnots(const QString& g) {
    if (!g.endsWith(QLatin1String("MPS"))) {
        return g;
    }
    const QString direction = g.left(3);
    const QStringList speeds = g.mid(3, g.size() - 6).split(QLatin1Char('G'));
    const bool isDirection =
        direction == QLatin1String("VRB") ||
        (direction.size() == 3 && std::all_of(direction.begin(), direction.end(), isAsciiDigit));
    if (!isDirection || speeds.size() > 2 || !std::all_of(speeds.begin(), speeds.end(), isSpeed)) {
        return g;
    }
    QString out = direction + knots(speeds[0]);
    if (speeds.size() == 2) {
        out += QLatin1Char('G') + knots(speeds[1]);
    }
    return out + QStringLiteral("KT");
}

QString normaliseLine(const QString& text) {
    Line line = splitGroups(text);
    auto& g = line.groups;
    // Lead words, only where a station code follows them.
    if (g.size() > 1 &&
        (g[0].text == QLatin1String("METAR") || g[0].text == QLatin1String("SPECI"))) {
        g.erase(g.begin());
        if (g.size() > 1 && g[0].text == QLatin1String("COR")) {
            g.erase(g.begin());
        }
    }
    if (g.size() > 2 && isTimeGroup(g[1].text)) {
        auto next = g.begin() + 2;
        while (next != g.end() && isReportKind(next->text)) {
            next = g.erase(next);
        }
        if (next != g.end()) {
            next->text = windInKnots(next->text);
        }
    }
    return joinGroups(line);
}

// Trailing blanks, line ends and "=" signs.
QString chopEnd(QString s) {
    qsizetype n = s.size();
    while (n > 0 && (isBlank(s[n - 1]) || isLineEnd(s[n - 1]) || s[n - 1] == QLatin1Char('='))) {
        --n;
    }
    s.truncate(n);
    return s;
}

qsizetype firstLineEnd(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (isLineEnd(s[i])) {
            return i;
        }
    }
    return s.size();
}

} // namespace

QString normalise(const QString& report) {
    const qsizetype eol = firstLineEnd(report);
    QString first = chopEnd(normaliseLine(report.left(eol)));
    const QString rest = chopEnd(report.mid(eol));
    // Only line ends after the first line: nothing more to keep.
    bool restIsBlank = true;
    for (const QChar c : rest) {
        restIsBlank = restIsBlank && (isBlank(c) || isLineEnd(c));
    }
    return restIsBlank ? first : first + rest;
}

bool isNil(const QString& normalised) {
    const Line line = splitGroups(normalised.left(firstLineEnd(normalised)));
    return line.indent.isEmpty() && line.groups.size() > 2 && isTimeGroup(line.groups[1].text) &&
           line.groups[2].text == QLatin1String("NIL");
}

qsizetype qnhGroupPosition(const QString& text) {
    const qsizetype end = firstLineEnd(text);
    for (qsizetype i = 1; i + 4 < end; ++i) {
        if (text[i] != QLatin1Char('Q') || !isBlank(text[i - 1])) {
            continue;
        }
        bool digits = true;
        for (qsizetype k = 1; k <= 4; ++k) {
            digits = digits && isAsciiDigit(text[i + k]);
        }
        if (digits && (i + 5 >= end || !isAsciiDigit(text[i + 5]))) {
            return i + 1;
        }
    }
    return 0;
}

} // namespace vellaro::metar

namespace vellaro {

QString reportedBy(const ServiceAddresses& services, const QString& station) {
    const QString from = services.reportingStation(station);
    if (from == station) {
        return {};
    }
    return QStringLiteral("Wetterbericht von ") + from + QStringLiteral(" für ") + station;
}

} // namespace vellaro
