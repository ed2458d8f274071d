#include "weather/OkFlash.h"

#include "core/MainWindow.h"
#include "core/Text.h"

namespace vellaro {

namespace {

// The label has room for the first six characters of a host name.
constexpr int kChannelCaptionLength = 6;
constexpr int kFlashMs = 1000;

} // namespace

OkFlash::OkFlash(MainWindow& window) : w_(window) {
    w_.Timer6.onTimer = [this] { Timer6_Timer(); };
}

void OkFlash::flashOk() {
    w_.Label18.setVisible(false);
    w_.Label19.setVisible(true);
    w_.Timer6.setTimerEnabled(true);
}

void OkFlash::confirmCommand(const QString& voiceServer) {
    w_.Label18.setCaption(text::left(voiceServer, kChannelCaptionLength));
    w_.Label18.setVisible(false);
    w_.Label19.setVisible(true);
    w_.Label26.setVisible(true);
    w_.Timer6.setInterval(kFlashMs);
    w_.Timer6.setTimerEnabled(true);
}

void OkFlash::Timer6_Timer() {
    w_.Label19.setVisible(false);
    w_.Label26.setVisible(false);
    w_.Label18.setVisible(true);
    w_.Timer6.setTimerEnabled(false);
}

} // namespace vellaro
