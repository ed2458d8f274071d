#pragma once

namespace vellaro {

class Console;

// The SID chart window Form5.
class SidCharts {
  public:
    explicit SidCharts(Console& console);

    // Loads the three chart pictures from the data folder; a missing one keeps the built-in chart.
    void loadPictures();

  private:
    Console& c_;
};

} // namespace vellaro
