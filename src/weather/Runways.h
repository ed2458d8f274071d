#pragma once

#include <QStringList>

namespace vellaro {

class Console;

// Chooses the runways in use from rwy.txt.
class Runways {
  public:
    explicit Runways(Console& console);

    void loadrwy();

    // What rwy.txt holds when the console writes it anew.
    static QStringList defaultLines();

  private:
    Console& c_;
};

} // namespace vellaro
