#pragma once

#include <QString>

namespace vellaro {

class Download;
class MainWindow;
class Whazzup;
struct ConsoleState;

// A flight's filed destination, route, remarks and departure from the status file, and
// the list of flights naming an aerodrome.
class FlightPlan {
  public:
    FlightPlan(MainWindow& window, ConsoleState& state, const Download& download, Whazzup& whazzup);

    // Fetches the status file and fills row's destination box from the flight's record;
    // the focus then goes to the row's route box. False when the console was closed
    // during the download.
    bool getwhat(const QString& key, int row);
    // The route, remarks and departure of the flight, from the text the last download left.
    void getstrip(const QString& key);

    // The aerodrome whose flights Command42_Click lists.
    void setAerodromeCode(const QString& code) { aerodromeCode_ = code; }
    const QString& aerodromeCode() const { return aerodromeCode_; }
    void Command42_Click();
    void Text20_Click();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    const Download& download_;
    Whazzup& whazzup_;
    QString aerodromeCode_;
};

} // namespace vellaro
