#include "automation/QuickReplies.h"

#include "automation/InputSimulation.h"
#include "core/ConsoleState.h"
#include "core/Conventions.h"
#include "core/MainWindow.h"
#include "platform/InputInjector.h"

namespace vellaro {

QuickReplies::QuickReplies(MainWindow& window, ConsoleState& state, Clipboard& clipboard,
                           InputInjector& input, InputSimulation& hands)
    : w_(window), state_(state), clipboard_(clipboard), input_(input), hands_(hands) {
    w_.Command44.onClick = [this] { Command44_Click(); };
    w_.Command45.onClick = [this] { Command45_Click(); };
    w_.Command46.onClick = [this] { Command46_Click(); };
    w_.Command47.onClick = [this] { Command47_Click(); };
    w_.Command48.onClick = [this] { Command48_Click(); };
    w_.Command51.onClick = [this] { Command51_Click(); };
    w_.Command52.onClick = [this] { Command52_Click(); };
    w_.Command49.onClick = [this] { Command49_Click(); };
    w_.Command50.onClick = [this] { Command50_Click(); };
}

void QuickReplies::Command44_Click() {
    reply(QStringLiteral("Released"));
}

void QuickReplies::Command45_Click() {
    reply(QStringLiteral("Negative, "));
}

void QuickReplies::Command46_Click() {
    reply(QStringLiteral("Contact Berlin Approach on 119.62 !!!!!"));
}

void QuickReplies::Command47_Click() {
    typedRelease(state_.clickPoint1);
}

void QuickReplies::Command48_Click() {
    typedRelease(state_.clickPoint2);
}

void QuickReplies::Command51_Click() {
    w_.form.setFocus(w_.Command49);
}

void QuickReplies::Command52_Click() {
    w_.form.setFocus(w_.Command50);
}

void QuickReplies::Command49_Click() {
    calibrate(state_.clickPoint1, w_.Command51);
}

void QuickReplies::Command50_Click() {
    calibrate(state_.clickPoint2, w_.Command52);
}

void QuickReplies::reply(const QString& text) {
    putOnClipboard(clipboard_, text);
    // Away from the button, so a stray Enter does not send the reply again.
    w_.form.setFocus(w_.Command8);
}

void QuickReplies::typedRelease(QPoint at) {
    hands_.mouseret();
    state_.cursorPoint = at;
    hands_.setmousepos();
    // The console may be closed during any pause; then nothing more is sent.
    if (!hands_.pause1() || !hands_.lmdu() || !hands_.lmdu()) {
        return;
    }
    input_.sendKeys(QStringLiteral("Released"));
    input_.sendKeys(QStringLiteral("{ENTER}"));
    hands_.mousehin();
}

void QuickReplies::calibrate(QPoint& point, Button& calibrateButton) {
    hands_.getmousepos();
    point = state_.cursorPoint;
    calibrateButton.setVisible(false);
}

} // namespace vellaro
