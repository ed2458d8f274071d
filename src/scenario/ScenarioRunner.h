#pragma once

#include <QStringList>
#include <QTextStream>

namespace vellaro::scenario {

// Plays each scenario file on a fresh console in a fresh data folder, prints the
// failures and the closing "N passed, M failed" line; 0 when nothing failed.
int runFiles(const QStringList& files);
// The same, printing to out.
int runFiles(const QStringList& files, QTextStream& out);

} // namespace vellaro::scenario
