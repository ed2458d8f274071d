#include "FuzzConsole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace vellaro::fuzz {

FuzzConsole::FuzzConsole(bool liveServices)
    : session_(
          std::make_unique<scenario::Session>(QStringLiteral("fuzz"), QDir::tempPath(), out_)) {
    int n = 0;
    if (liveServices) {
        session_->runLine(++n, QStringLiteral("services live"));
    }
    session_->runLine(++n, QStringLiteral("start"));
    if (session_->console() == nullptr) {
        std::fprintf(stderr, "the console did not start: %s\n", qPrintable(log_));
        std::abort();
    }
}

void FuzzConsole::writeFile(const QString& name, const QByteArray& bytes) {
    const QString path =
        QDir::isAbsolutePath(name) ? name : QDir(session_->dataDir()).filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

} // namespace vellaro::fuzz
