#include "weather/OkFlash.h"

#include "core/MainWindow.h"

namespace vellaro {

OkFlash::OkFlash(MainWindow& window) : w_(window) {
    w_.Timer6.onTimer = [this] { Timer6_Timer(); };
}

void OkFlash::flashOk() {
    w_.Label18.setVisible(false);
    w_.Label19.setVisible(true);
    w_.Timer6.setTimerEnabled(true);
}

void OkFlash::Timer6_Timer() {
    w_.Label19.setVisible(false);
    w_.Label26.setVisible(false);
    w_.Label18.setVisible(true);
    w_.Timer6.setTimerEnabled(false);
}

} // namespace vellaro
