#pragma once

#include "console/Console.h"
#include "scenario/Fakes.h"
#include "scenario/ScenarioSession.h"

#include <QByteArray>
#include <QString>
#include <QTextStream>

#include <memory>

// A started console on a fresh temporary data folder with the recording stand-ins,
// as a scenario file's `start` builds it. One per input, so a finding replays alone.
namespace vellaro::fuzz {

class FuzzConsole {
  public:
    explicit FuzzConsole(bool liveServices = false);

    Console& console() { return *session_->console(); }
    MainWindow& window() { return console().mainWindow(); }
    fake::Services& services() { return session_->services(); }
    // Writes a data file (or, with an absolute path, any file) as the user would.
    void writeFile(const QString& name, const QByteArray& bytes);
    const QString& macroFile() const { return session_->macroFile(); }

  private:
    QString log_;
    QTextStream out_{&log_};
    std::unique_ptr<scenario::Session> session_;
};

} // namespace vellaro::fuzz
