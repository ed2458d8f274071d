#include "automation/InputSimulation.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"
#include "platform/InputInjector.h"
#include "platform/TimerService.h"

namespace vellaro {

InputSimulation::InputSimulation(MainWindow& window, ConsoleState& state, InputInjector& input,
                                 TimerService& timers)
    : w_(window), state_(state), input_(input), timers_(timers) {
    w_.Timer7.onTimer = [this] { Timer7_Timer(); };
}

void InputSimulation::getmousepos() {
    state_.cursorPoint = input_.cursorPos();
}

void InputSimulation::setmousepos() {
    input_.setCursorPos(state_.cursorPoint.x(), state_.cursorPoint.y());
}

void InputSimulation::mouseret() {
    getmousepos();
    state_.returnPoint = state_.cursorPoint;
}

void InputSimulation::mousehin() {
    input_.setCursorPos(state_.returnPoint.x(), state_.returnPoint.y());
}

bool InputSimulation::pause1() {
    state_.pauseOver = 0;
    w_.Timer7.setTimerEnabled(true);
    // Closing the console stops every timer, so no tick would ever end the wait.
    while (state_.pauseOver == 0 && w_.Timer7.isEnabled()) {
        timers_.processEvents();
    }
    return state_.pauseOver != 0;
}

bool InputSimulation::lmdu() {
    if (!pause1()) {
        return false;
    }
    input_.mouse(MouseAction::LeftDown);
    input_.mouse(MouseAction::LeftUp);
    return pause1();
}

void InputSimulation::Timer7_Timer() {
    state_.pauseOver = 1;
    w_.Timer7.setTimerEnabled(false);
}

} // namespace vellaro
