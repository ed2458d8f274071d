#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

namespace vellaro::qt {

// The folder the console keeps its files in: `--data DIR` (or `--data=DIR`), else
// the environment's VELLARO_DATA, else the program's own folder when it already
// holds squawk.txt (a portable copy) and is not a build folder, else the user's
// own data folder. Made absolute.
struct DataFolderChoice {
    QString folder;
    // Set when the arguments name no usable folder (--data without one).
    QString error;
};
DataFolderChoice chooseDataFolder(const QStringList& arguments, const QString& environment,
                                  const QString& programFolder, const QString& userFolder);

// The per-user folder: ~/.local/share/Vellaro on Linux (needs the application name set).
QString userDataFolder();

// One console per data folder: holds vellaro.lock there for as long as it lives.
class DataFolderLock {
  public:
    enum class State {
        Held,
        // Another running console holds the folder.
        Busy,
        // No lock file can be made (a read-only folder, a full disk).
        Unavailable
    };

    explicit DataFolderLock(const QString& folder);
    State state() const { return state_; }
    QString fileName() const { return fileName_; }

  private:
    QString fileName_;
    QLockFile lock_;
    State state_ = State::Unavailable;
};

} // namespace vellaro::qt
