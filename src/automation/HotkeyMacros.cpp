#include "automation/HotkeyMacros.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"
#include "platform/InputInjector.h"
#include "platform/KeyCodes.h"
#include "platform/ScreenInfo.h"

#include <chrono>
#include <thread>

namespace vellaro {

namespace {

// The aircraft menu opens beside the target; its first click lands on the target's
// label, the entries lie further right at these heights.
constexpr QPoint kLabelOffset{10, 5};
constexpr int kEntryX = 160;
constexpr int kEntryCentreView = 5;
constexpr int kEntryMacro2 = 35;
constexpr int kEntryMacro3 = 55;
constexpr int kEntryMacro4 = 95;

// Lets the client take the click in before the keys come. Without processing the
// console's own events: nothing of the console may run in between.
constexpr std::chrono::milliseconds kShortDelay{5};

constexpr int kKeySeries = 20;

int halfRoundedToEven(int n) {
    const int half = n / 2;
    return n % 2 != 0 && half % 2 != 0 ? half + (n > 0 ? 1 : -1) : half;
}

} // namespace

QPoint screenCentre(int widthPx, int heightPx) {
    return {halfRoundedToEven(widthPx), halfRoundedToEven(heightPx)};
}

HotkeyMacros::HotkeyMacros(MainWindow& window, ConsoleState& state, InputInjector& input,
                           ScreenInfo& screen)
    : w_(window), state_(state), input_(input), screen_(screen) {
    w_.Text1.onKeyDown = [this](int keyCode) { Text1_KeyDown(keyCode); };
}

void HotkeyMacros::Text1_KeyDown(int keyCode) {
    switch (keyCode) {
    case kKeyF1:
        menu1();
        break;
    case kKeyF2:
        menu2();
        break;
    case kKeyF3:
        menu3();
        break;
    case kKeyF4:
        menu4();
        break;
    case kKeyF5:
        nah1();
        break;
    case kKeyF6:
        nah2();
        break;
    case kKeyF7:
        nah3();
        break;
    case kKeyF8:
        nah4();
        break;
    default:
        break;
    }
}

void HotkeyMacros::menu1() {
    const QPoint p0 = openMenu();
    moveTo(p0 + QPoint(kEntryX, kEntryCentreView));
    leftClick();
    const QSize screen = screen_.size();
    moveTo(screenCentre(screen.width(), screen.height()));
    leftClick();
    moveTo(p0);
}

void HotkeyMacros::menu2() {
    menuEntryThenBack(kEntryMacro2);
}

void HotkeyMacros::menu3() {
    menuEntryThenBack(kEntryMacro3);
}

void HotkeyMacros::menu4() {
    // Stops on the entry unclicked, for the controller to pick what follows.
    const QPoint p0 = openMenu();
    moveTo(p0 + QPoint(kEntryX, kEntryMacro4));
}

void HotkeyMacros::nah1() {
    keySeries(kKeySeries, 0);
}

void HotkeyMacros::nah2() {
    keySeries(kKeySeries, 9);
}

void HotkeyMacros::nah3() {
    keySeries(kKeySeries, 10);
}

void HotkeyMacros::nah4() {
    keySeries(0, kKeySeries);
}

QPoint HotkeyMacros::start() {
    state_.clickPoint1 = input_.cursorPos();
    return state_.clickPoint1;
}

QPoint HotkeyMacros::openMenu() {
    const QPoint p0 = start();
    leftClick();
    rightClick();
    moveTo(p0 + kLabelOffset);
    leftClick();
    return p0;
}

void HotkeyMacros::menuEntryThenBack(int dy) {
    const QPoint p0 = openMenu();
    moveTo(p0 + QPoint(kEntryX, dy));
    leftClick();
    backToConsole(p0);
}

void HotkeyMacros::keySeries(int f11Count, int f12Count) {
    const QPoint p0 = start();
    leftClick();
    std::this_thread::sleep_for(kShortDelay);
    send(QStringLiteral("{F11}"), f11Count);
    send(QStringLiteral("{F12}"), f12Count);
    backToConsole(p0);
}

void HotkeyMacros::backToConsole(QPoint p0) {
    moveTo(kConsoleTitlePoint);
    leftClick();
    w_.form.setFocus(w_.Text1);
    moveTo(p0);
}

void HotkeyMacros::moveTo(QPoint p) {
    input_.setCursorPos(p.x(), p.y());
}

void HotkeyMacros::leftClick() {
    input_.mouse(MouseAction::LeftDown);
    input_.mouse(MouseAction::LeftUp);
}

void HotkeyMacros::rightClick() {
    input_.mouse(MouseAction::RightDown);
    input_.mouse(MouseAction::RightUp);
}

void HotkeyMacros::send(const QString& keys, int times) {
    for (int i = 0; i < times; ++i) {
        input_.sendKeys(keys);
    }
}

} // namespace vellaro
