#pragma once

namespace vellaro {

class Download;
class MainWindow;
class ServiceAddresses;
struct ConsoleState;

// The network status file, fetched anew for every lookup into ConsoleState.webText.
class Whazzup {
  public:
    Whazzup(MainWindow& window, ConsoleState& state, const Download& download,
            const ServiceAddresses& services);

    // The status file, or the fallback address when the first answer is none; when
    // neither is, rows 0 and 1 say so where their remarks are empty, and the lookup
    // goes on with whatever arrived.
    // False when the console was closed during the wait: the caller ends at once.
    bool getwhazz();

  private:
    MainWindow& w_;
    ConsoleState& state_;
    const Download& download_;
    const ServiceAddresses& services_;
};

} // namespace vellaro
