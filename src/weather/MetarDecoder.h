#pragma once

#include <QString>

namespace vellaro {

class Clipboard;
class MainWindow;
class MiniInfoWindow;
struct WeatherState;

// Decodes a METAR from the clipboard into the weather block.
class MetarDecoder {
  public:
    MetarDecoder(MainWindow& window, MiniInfoWindow& mini, Clipboard& clipboard,
                 WeatherState& weather);

    // Command18_Click, the "ATIS" button: decodes the METAR on the clipboard into the weather
    // block.
    void decodeMetar();
    // Copies the weather block into the Mini-Info window (creating it, not showing it).
    void mirrorToMiniInfo();
    // The QNH box changed: the altimeter in inches follows.
    void Text3_Change();

    // The transition level for a QNH in hectopascals; empty where the table has none.
    static QString transitionLevelFor(double qnh);
    // The six characters the inches label shows for a QNH box text.
    static QString inchesFor(const QString& qnhText);

  private:
    MainWindow& w_;
    MiniInfoWindow& mini_;
    Clipboard& clipboard_;
    WeatherState& weather_;
};

} // namespace vellaro
