#pragma once

#include <QString>

namespace vellaro {

class Clipboard;
class MainWindow;
class OkFlash;
struct WeatherState;

// Tower, approach and radar ATIS texts.
class AtisTexts {
  public:
    AtisTexts(MainWindow& window, const WeatherState& weather, Clipboard& clipboard,
              OkFlash& flash);

    // Tower ATIS onto the clipboard, or nothing when station or direction has no text.
    void abc1();

    void Command10_Click();
    void Command34_Click();
    void Command37_Click();

    // The texts themselves, from the current weather block; the tower text is empty
    // where there is none for the station and direction.
    QString towerText() const;
    QString radarText() const;
    QString approachText() const;

  private:
    void afterButton();

    MainWindow& w_;
    const WeatherState& weather_;
    Clipboard& clipboard_;
    OkFlash& flash_;
};

} // namespace vellaro
