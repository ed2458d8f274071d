#pragma once

#include <QString>

namespace vellaro {

class Clipboard;
class DataFiles;
class MainWindow;

// How often a callsign appears in the flight log.
class CallsignHistory {
  public:
    CallsignHistory(MainWindow& window, const DataFiles& files, Clipboard& clipboard);

    // Counts row 0's callsign in log.txt; the count goes to row 0's remarks and the clipboard.
    void getaircraft();

    // The lines of log.txt that contain key; 0 when the log cannot be read.
    int countInLog(const QString& key) const;

  private:
    MainWindow& w_;
    const DataFiles& files_;
    Clipboard& clipboard_;
};

} // namespace vellaro
