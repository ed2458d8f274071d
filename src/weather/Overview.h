#pragma once

#include <QString>

namespace vellaro {

class DataFiles;
class Download;
class MainWindow;
class MessageBoxService;
class ServiceAddresses;
struct ConsoleState;
struct WeatherState;

// Three-airport weather overview: one line per airport of metar.txt in the panel Text19.
class Overview {
  public:
    Overview(MainWindow& window, ConsoleState& state, WeatherState& weather, const DataFiles& files,
             MessageBoxService& messages, const Download& download,
             const ServiceAddresses& services);

    // The "3" button; also called by the automatic retrieval on a new observation.
    void Command41_Click();
    // Hides the panel.
    void Text19_DblClick();

    // One line of the panel from an extract: gap is the blanks between station and time.
    static QString overviewLine(const QString& extract, int gap, const QString& runwayText);

  private:
    MainWindow& w_;
    ConsoleState& state_;
    WeatherState& weather_;
    const DataFiles& files_;
    MessageBoxService& messages_;
    const Download& download_;
    const ServiceAddresses& services_;
};

} // namespace vellaro
