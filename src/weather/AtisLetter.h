#pragma once

#include <QString>

namespace vellaro {

class AtisTexts;
class MainWindow;
class OkFlash;
struct WeatherState;

// The ATIS letter.
class AtisLetter {
  public:
    AtisLetter(MainWindow& window, WeatherState& weather, AtisTexts& texts, OkFlash& flash);

    // The word of the current letter index, then the index advances.
    void abc();
    // Back to Alpha; the Label17 double click also flashes "OK".
    void restartAtAlpha(bool flash);

    void Text18_Change();
    void Text18_DblClick();
    void Label17_DblClick();

    // The phonetic word of index 1 to 26, empty for any other index.
    static QString wordFor(double index);

  private:
    MainWindow& w_;
    WeatherState& weather_;
    AtisTexts& texts_;
    OkFlash& flash_;
};

} // namespace vellaro
