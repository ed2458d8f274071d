#pragma once

#include <QString>

namespace vellaro {

class Clipboard;
class Clock;

// Texts for the ATC client: the clipboard is cleared first, then receives the text.
void putOnClipboard(Clipboard& clipboard, const QString& text);
// The date and time as the flight log writes them: dd.MM.yyyy and hh:mm:ss (24 hours).
QString dateText(const Clock& clock);
QString timeText(const Clock& clock);

} // namespace vellaro
