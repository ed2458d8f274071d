#pragma once

#include <QString>
#include <QStringList>

namespace vellaro {

// Starts an external program without waiting for it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    virtual void start(const QString& program, const QStringList& arguments) = 0;
    // Opens a text file in the desktop's editor for text files; the path is one
    // argument and passes no shell.
    virtual void openTextFile(const QString& path) = 0;
};

} // namespace vellaro
