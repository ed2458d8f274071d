#include "scenario/ScenarioRunner.h"

#include "core/DataFiles.h"
#include "scenario/ScenarioSession.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>

namespace vellaro::scenario {

namespace {

// Scenario files are UTF-8; one saved by an old Windows editor is taken as
// Windows-1252 rather than garbled.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return fromWindows1252(bytes);
    }
    return text;
}

} // namespace

int runFiles(const QStringList& files) {
    QTextStream out(stdout);
    return runFiles(files, out);
}

int runFiles(const QStringList& files, QTextStream& out) {
    int passed = 0;
    int failed = 0;
    for (const QString& name : files) {
        Session s(name, QFileInfo(name).absolutePath(), out);
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) {
            s.error(0, QStringLiteral("cannot read the scenario file"));
        } else {
            const QStringList lines = decode(f.readAll()).split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                s.runLine(int(i + 1), lines.at(i));
            }
        }
        passed += s.passed();
        failed += s.failed();
    }
    out << passed << " passed, " << failed << " failed\n";
    out.flush();
    return failed == 0 ? 0 : 1;
}

} // namespace vellaro::scenario
