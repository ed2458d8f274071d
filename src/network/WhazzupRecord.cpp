#include "network/WhazzupRecord.h"

#include "core/Text.h"

#include <algorithm>
#include <limits>

namespace vellaro::whazzup {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kCallsignScan = 50;
constexpr int kNameScan = 100;
constexpr int kDestinationScan = 200;
constexpr int kPlanScan = 300;
constexpr int kPlanFieldMax = 40;
constexpr int kLineStartScan = 300;

// Up to count characters from position start, but never past the field's closing
// colon: an empty field stays empty instead of showing the next one.
QString fieldPiece(const QString& text, qsizetype start, qsizetype count) {
    const QString p = piece(text, start, count);
    const qsizetype colon = p.indexOf(QLatin1Char(':'));
    return colon < 0 ? p : p.left(colon);
}

// How far the plan's fields may lie from the anchor: the classic window, or the rest of
// the record where long remarks push the route beyond it.
int planScan(const QString& text, qsizetype anchor) {
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), std::max<qsizetype>(anchor - 1, 0));
    const qsizetype end = lineEnd < 0 ? text.size() : lineEnd;
    return int(std::clamp<qsizetype>(end - anchor, kPlanScan, std::numeric_limits<int>::max() - 1));
}

// Field k + 1 counted from the anchor, found by scanning scan characters for its colons.
QString field(const QString& text, qsizetype anchor, int k, int scan) {
    const qsizetype a = colonOffset(text, anchor, k, scan);
    const qsizetype b = colonOffset(text, anchor, k + 1, scan);
    return piece(text, anchor + a + 1, b - a - 1);
}

} // namespace

bool isStatusFile(const QString& text) {
    return text.startsWith(QLatin1String("!G"));
}

qsizetype colonOffset(const QString& text, qsizetype anchor, int k, int scan) {
    // Only the characters that exist are looked at; the rest of the window holds no colon.
    const qsizetype first = std::max<qsizetype>(anchor, 0); // 0-based index of anchor + 1
    const qsizetype end = std::min<qsizetype>(anchor + scan, text.size());
    int seen = 0;
    for (qsizetype i = first; i < end; ++i) {
        if (text[i] == QLatin1Char(':') && ++seen == k) {
            return i + 1 - anchor;
        }
    }
    return scan + 1;
}

QString piece(const QString& text, qsizetype start, qsizetype count) {
    if (count <= 0 || start < 1) {
        return {};
    }
    return text::mid(text, start, count);
}

QString controllerLine(const QString& text, const QString& key) {
    const qsizetype p = text::instr(text, key);
    if (p == 0) {
        return {};
    }
    const qsizetype k = colonOffset(text, p, 1, kCallsignScan);
    // Without a colon in reach the callsign is the 51 characters from the anchor.
    const QString callsign = piece(text, p, k);
    const QString name = field(text, p, 2, kNameScan);
    const QString frequency = field(text, p, 4, kNameScan);
    return callsign + QStringLiteral(" - ") + name + QStringLiteral(" - ") + frequency + kCrLf;
}

QString destination(const QString& text, const QString& key, qsizetype* anchor) {
    const qsizetype p = text::instr(text, key);
    if (anchor != nullptr) {
        *anchor = p;
    }
    if (p == 0) {
        return {};
    }
    const qsizetype i = colonOffset(text, p, 13, kDestinationScan);
    return fieldPiece(text, p + i + 1, 4);
}

FlightPlanBoxes flightPlanBoxes(const QString& text, qsizetype p) {
    const int scan = planScan(text, p);
    // Field k + 1 with its closing colon, cut at 40 characters.
    const auto planField = [&](int k) {
        const qsizetype i = colonOffset(text, p, k, scan);
        const qsizetype j =
            std::min<qsizetype>(colonOffset(text, p + i, 1, kPlanScan), kPlanFieldMax);
        return piece(text, p + i + 1, j);
    };
    FlightPlanBoxes out;
    out.routeAndRemarks = planField(30) + kCrLf + planField(29);
    const qsizetype i = colonOffset(text, p, 11, kPlanScan);
    out.departure = fieldPiece(text, p + i + 1, 4);
    return out;
}

QString aerodromeList(const QString& text, const QString& code) {
    const QString key = QLatin1Char(':') + code + QLatin1Char(':');
    QString out;
    for (qsizetype p = text::instr(text, key); p != 0; p = text::instr(text, key, p + 1)) {
        if (text::mid(text, p + 6, 4) == QLatin1String("IVAN")) {
            continue;
        }
        // Back to the line start, 300 characters at most and never before the text.
        qsizetype k = 1;
        while (k <= kLineStartScan && p - k >= 1 && text[p - k - 1] != QLatin1Char('\n')) {
            ++k;
        }
        if (p - k < 1) {
            k = p; // the record opens the text
        }
        out += text::mid(text, p - k + 1, 6) + QLatin1Char(' ') + code + kCrLf;
    }
    return out;
}

} // namespace vellaro::whazzup
