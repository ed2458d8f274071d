#pragma once

namespace vellaro {

class ChartWindow;
class DataFiles;
class PictureLoader;

// The SID chart window's pictures.
class SidCharts {
  public:
    SidCharts(ChartWindow& charts, const DataFiles& files, PictureLoader& pictures);

    // Loads the three chart pictures from the data folder; a missing one keeps the built-in chart.
    void loadPictures();
    // Shows Form5 with the SID chart of the landing runway, placed under the main window.
    void sidChartDisplay();

  private:
    ChartWindow& charts_;
    const DataFiles& files_;
    PictureLoader& pictures_;
};

} // namespace vellaro
