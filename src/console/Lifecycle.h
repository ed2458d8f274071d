#pragma once

#include <functional>

namespace vellaro {

class ChartWindow;
class GroundInfoWindow;
class MainWindow;
class MiniInfoWindow;
class ScreenInfo;
class SidCharts;
class Squawk;
class TodaysFlightsWindow;
struct ConsoleState;
struct WeatherState;

// Start-up and shut-down of the console, and the always-on-top switch.
class Lifecycle {
  public:
    struct Windows {
        MainWindow& main;
        MiniInfoWindow& mini;
        TodaysFlightsWindow& today;
        GroundInfoWindow& ground;
        ChartWindow& charts;
    };
    Lifecycle(Windows windows, ConsoleState& state, WeatherState& weather, ScreenInfo& screen,
              Squawk& squawk, SidCharts& charts, std::function<void()> endProgram);

    void Form_Load();
    void Form_Unload();
    void Check1_Click();

  private:
    Windows win_;
    ConsoleState& state_;
    WeatherState& weather_;
    ScreenInfo& screen_;
    Squawk& squawk_;
    SidCharts& sidCharts_;
    std::function<void()> endProgram_;
};

} // namespace vellaro
