#pragma once

#include <QString>
#include <QStringList>

namespace vellaro {

// Starts an external program without waiting for it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    virtual void start(const QString& program, const QStringList& arguments) = 0;
};

} // namespace vellaro
