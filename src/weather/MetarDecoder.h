#pragma once

#include <QString>

namespace vellaro {

class Console;

// Decodes a METAR from the clipboard into the weather block.
class MetarDecoder {
  public:
    explicit MetarDecoder(Console& console);

    // The "ATIS" button: decodes the METAR on the clipboard into the weather block.
    void decodeMetar();
    // Copies the weather block into the Mini-Info window (creating it, not showing it).
    void mirrorToMiniInfo();
    // Recomputes the altimeter in inches from the QNH box.
    void updateInches();

    // The transition level for a QNH in hectopascals; empty where the table has none.
    static QString transitionLevelFor(double qnh);
    // The six characters the inches label shows for a QNH box text.
    static QString inchesFor(const QString& qnhText);

  private:
    Console& c_;
};

} // namespace vellaro
