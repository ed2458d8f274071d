#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vellaro::qt {

namespace {

// A copy unpacked with its data files keeps them beside it. A build folder never
// counts: deleting it, as every developer does, would take the flight log along.
bool portable(const QString& programFolder) {
    const QDir dir(programFolder);
    return !programFolder.isEmpty() &&
           QFileInfo::exists(dir.filePath(QStringLiteral("squawk.txt"))) &&
           !QFileInfo::exists(dir.filePath(QStringLiteral("CMakeCache.txt")));
}

} // namespace

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

DataFolderChoice chooseDataFolder(const QStringList& arguments, const QString& environment,
                                  const QString& programFolder, const QString& userFolder) {
    QString folder;
    bool given = false;
    // The first entry is the program itself; a later --data wins over an earlier one.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--data")) {
            given = true;
            folder = i + 1 < arguments.size() ? arguments[++i] : QString();
        } else if (a.startsWith(QLatin1String("--data="))) {
            given = true;
            folder = a.mid(7);
        }
    }
    if (given && folder.isEmpty()) {
        return {{}, QStringLiteral("--data needs a folder: vellaro --data DIR")};
    }
    if (!given) {
        folder = !environment.isEmpty()    ? environment
                 : portable(programFolder) ? programFolder
                                           : userFolder;
    }
    if (folder.isEmpty()) {
        return {{}, QStringLiteral("no data folder: name one with vellaro --data DIR")};
    }
    return {QDir::cleanPath(QDir(folder).absolutePath()), {}};
}

DataFolderLock::DataFolderLock(const QString& folder)
    : fileName_(QDir(folder).filePath(QStringLiteral("vellaro.lock"))), lock_(fileName_) {
    // Never stale by age: nothing refreshes the file during a session of many hours,
    // and an age limit would hand a live console's folder to a second one. A lock
    // whose process is gone (a crashed run) is still taken over.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        state_ = State::Held;
    } else if (lock_.error() == QLockFile::LockFailedError) {
        state_ = State::Busy;
    }
}

} // namespace vellaro::qt
