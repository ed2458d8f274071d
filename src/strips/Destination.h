#pragma once

#include <QString>

namespace vellaro {

class ChartWindow;
class Clipboard;
class DataFiles;
class MainWindow;

// The seven destination boxes: the aerodrome name from ICAO.txt in the remarks box,
// upper case on leaving, the bare callsign for the ATC client on a click.
class Destination {
  public:
    Destination(MainWindow& window, ChartWindow& charts, const DataFiles& files,
                Clipboard& clipboard);

    void Text8_Change(int n);
    void Text8_Click(int n);
    void Text8_DblClick(int n);
    void Text8_LostFocus(int n);

    // Remarks box of row n := the name of the first ICAO.txt line holding the code.
    void icao(int n);
    // Route of row n from via.txt when the line's runway is the take-off runway.
    // Kept for configurations that call it; nothing in the console does.
    void getvia(const QString& key, int n);

  private:
    MainWindow& w_;
    ChartWindow& charts_;
    const DataFiles& files_;
    Clipboard& clipboard_;
};

// "Tegel |Berlin" -> "Berlin Tegel": the part after the bar first. Texts without a
// bar come back unchanged.
QString barForm(const QString& remarks);

} // namespace vellaro
