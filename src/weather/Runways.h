#pragma once

#include "core/DefaultFiles.h"

#include <QStringList>

namespace vellaro {

class DataFiles;
class MainWindow;
class MessageBoxService;

// Chooses the runways in use from rwy.txt.
class Runways {
  public:
    Runways(MainWindow& window, const DataFiles& files, MessageBoxService& messages);

    void loadrwy();

    // rwy.txt as the console writes it when it is missing.
    static const DefaultFile& defaultFile();
    static QStringList defaultLines() { return defaultFile().lines; }

  private:
    MainWindow& w_;
    const DataFiles& files_;
    MessageBoxService& messages_;
};

} // namespace vellaro
