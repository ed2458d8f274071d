#pragma once

namespace vellaro {

class AtisLetter;
class Beeper;
class Clipboard;
class Download;
class MainWindow;
class MetarDecoder;
class MiniInfoWindow;
class Overview;
class Runways;
class ServiceAddresses;
struct WeatherState;

// Automatic METAR retrieval: fetch, cut out the report, decode, choose the runways,
// and on a new observation advance the ATIS letter and beep.
class AutoAtis {
  public:
    struct Uses {
        MetarDecoder& decoder;
        Runways& runways;
        AtisLetter& letter;
        Overview& overview;
    };
    AutoAtis(MainWindow& window, MiniInfoWindow& mini, WeatherState& weather, Clipboard& clipboard,
             Beeper& beeper, const Download& download, const ServiceAddresses& services,
             Uses features);

    // Command40_Click, the AutoAtis button; also Enter in Text6 and both timers.
    void autoAtis();
    // Finds the report in the response and decodes it; false when none was found.
    bool getautoatis();

    void Timer2_Timer();
    void Timer3_Timer();
    void Check3_Click();
    void Text6_Click();
    void Text6_DblClick();
    void Text6_KeyPress(int& keyAscii);

  private:
    MainWindow& w_;
    MiniInfoWindow& mini_;
    WeatherState& weather_;
    Clipboard& clipboard_;
    Beeper& beeper_;
    const Download& download_;
    const ServiceAddresses& services_;
    Uses uses_;
};

} // namespace vellaro
