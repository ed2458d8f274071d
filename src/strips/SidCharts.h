#pragma once

#include <QString>

namespace vellaro {

class ChartWindow;
class DataFiles;
class MainWindow;
class PictureBox;
class PictureLoader;

// The SID chart window Form5: its pictures, where it shows, the airport rings.
class SidCharts {
  public:
    SidCharts(ChartWindow& charts, MainWindow& window, const DataFiles& files,
              PictureLoader& pictures);

    // Loads the three chart pictures from the data folder; a missing one keeps the built-in chart.
    void loadPictures();
    // Shows Form5 with the SID chart of the landing runway, placed under the main window.
    void sidChartDisplay();
    // Switches Form5 to the sector chart without showing or moving it.
    void sectorChart();
    // Rings the airport that the remarks end with on both SID charts; hides the rings otherwise.
    void airportMarkers(const QString& remarks);
    void hide();

    // A click on a SID chart puts the window away; the sector chart takes no click.
    void Picture1_Click();
    void Picture2_Click();

  private:
    // Shows one picture, hides the others, and fits picture and window to it.
    void showOnly(PictureBox& picture);

    ChartWindow& charts_;
    MainWindow& w_;
    const DataFiles& files_;
    PictureLoader& pictures_;
};

} // namespace vellaro
