#pragma once

#include <QString>

namespace vellaro {

class Clipboard;
class MainWindow;

// The texts of a strip row, as the clearance and the release request read them.
QString clearanceText(const QString& remarks, const QString& route, const QString& initialClimb,
                      const QString& squawk);
QString releaseText(const QString& callsignBox, const QString& route, const QString& initialClimb);

// Clearance and release request texts for the clipboard.
class Clearance {
  public:
    Clearance(MainWindow& window, Clipboard& clipboard);

    // "Fa" of row n: its clearance onto the clipboard, then the row colour toggles.
    void fgc(int n);
    // Release request of row n onto the clipboard.
    void releaseRequest(int n);

  private:
    // Red rows become black, any other row red (judged by the callsign box).
    void toggleRowColour(int n);

    MainWindow& w_;
    Clipboard& clipboard_;
};

} // namespace vellaro
