// The scenario language: any text as a scenario file, played line by line.
#include "scenario/ScenarioSession.h"

#include <QDir>
#include <QString>
#include <QTextStream>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString report;
    QTextStream out(&report);
    // Source files named by the script are looked up in an empty folder.
    static const QString base = QDir::tempPath() + QStringLiteral("/vellaro-fuzz-empty");
    QDir().mkpath(base);
    scenario::Session session(QStringLiteral("fuzz.scn"), base, out);
    int n = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        session.runLine(++n, line);
    }
    return 0;
}
