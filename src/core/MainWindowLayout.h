#pragma once

#include <QString>

namespace vellaro {

class Form;
class MainWindow;

QString mainWindowCaption();
// Builds every control of the main window at its place, with its start texts.
void buildMainWindow(Form& form);
// The timers that run from the start (Timer2, Timer3, Timer5) begin counting.
void startDesignTimers(MainWindow& window);

} // namespace vellaro
