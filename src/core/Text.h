#pragma once

#include <QString>

// The console's small text helpers. Positions count from 1, and a piece that runs
// past either end of a text is cut short, never an error.
namespace vellaro::text {

QString left(const QString& s, qsizetype n);
QString right(const QString& s, qsizetype n);
// Characters from position start (1-based) on, n of them, or to the end when n < 0.
QString mid(const QString& s, qsizetype start, qsizetype n = -1);
// 1-based position of the first occurrence of what at or after start, 0 when none.
// An empty search text is found at start.
qsizetype instr(const QString& s, const QString& what, qsizetype start = 1);
// Blanks removed at both ends (blanks only, as the classic Trim does).
QString trim(const QString& s);

// The number at the start of a text: leading blanks skipped, then an optional sign,
// digits and at most one decimal point; 0 when the text does not begin with a number.
double numericValue(const QString& s);
// A number as text: a blank (or "-") first, at most 15 significant digits, no trailing
// zeros, no "0" before the point of values below 1 (" 1013", "-5", " .5", " 0").
QString formatLikeStr(double v);

} // namespace vellaro::text
