#pragma once

#include <QString>

namespace vellaro {

class Console;

// Three-airport weather overview: one line per airport of metar.txt in the panel Text19.
class Overview {
  public:
    explicit Overview(Console& console);

    // The "3" button; also called by the automatic retrieval on a new observation.
    void Command41_Click();
    // Hides the panel.
    void Text19_DblClick();

    // One line of the panel from an extract: gap is the blanks between station and time.
    static QString overviewLine(const QString& extract, int gap, const QString& runwayText);

  private:
    Console& c_;
};

} // namespace vellaro
