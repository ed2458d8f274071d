#include "core/Conventions.h"

#include "platform/Clipboard.h"
#include "platform/Clock.h"

namespace vellaro {

void putOnClipboard(Clipboard& clipboard, const QString& text) {
    clipboard.clear();
    clipboard.setText(text);
}

QString dateText(const Clock& clock) {
    return clock.date().toString(QStringLiteral("dd.MM.yyyy"));
}

QString timeText(const Clock& clock) {
    return clock.time().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace vellaro
