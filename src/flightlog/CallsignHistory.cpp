#include "flightlog/CallsignHistory.h"

#include "core/Conventions.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "flightlog/LogScan.h"

namespace vellaro {

CallsignHistory::CallsignHistory(MainWindow& w, const DataFiles& files, Clipboard& clipboard)
    : w_(w), files_(files), clipboard_(clipboard) {}

int CallsignHistory::countInLog(const QString& key) const {
    int count = 0;
    scanLines(files_.path(QStringLiteral("log.txt")), key, [&count](QByteArrayView) { ++count; });
    return count;
}

void CallsignHistory::getaircraft() {
    // "such" + callsign + ".": the callsign alone, in the log's upper case.
    const QString box = w_.Text7[0].text();
    const bool formed = box.size() >= 5;
    const QString key = formed ? upperKeepingLength(text::mid(box, 5, box.size() - 5)) : QString();
    // Without a key nothing is counted (an empty key would count every line).
    const int count = formed ? countInLog(key) : 0;
    w_.Text11[0].setText(key + QStringLiteral(" = ") + QString::number(count));
    putOnClipboard(clipboard_, QStringLiteral("I've controlled you ") + QString::number(count) +
                                   QStringLiteral(" times, since Nov-2002, with your current "
                                                  "callsign !!!"));
}

} // namespace vellaro
