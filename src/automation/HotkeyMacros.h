#pragma once

#include <QPoint>
#include <QString>

namespace vellaro {

class InputInjector;
class MainWindow;
class ScreenInfo;
struct ConsoleState;

// Where the console's title bar stands when the console is at its start-up place:
// a click there brings the console back to the front after a macro.
inline constexpr QPoint kConsoleTitlePoint{644, 12};

// The centre of a screen of the given size in pixels, halves rounded to even.
QPoint screenCentre(int widthPx, int heightPx);

// F1 to F8 in the wind box: click through the ATC client's aircraft menus, or click
// the target and send it F11 and F12 series, then come back to the console.
class HotkeyMacros {
  public:
    HotkeyMacros(MainWindow& window, ConsoleState& state, InputInjector& input, ScreenInfo& screen);

    void Text1_KeyDown(int keyCode);

    void menu1();
    void menu2();
    void menu3();
    void menu4();
    void nah1();
    void nah2();
    void nah3();
    void nah4();

  private:
    // Reads the pointer into clickPoint1, the point every macro returns to.
    QPoint start();
    // Steps 1 to 3 of the menu macros: click and open the target's menu, pick its entry.
    QPoint openMenu();
    // Picks the menu entry at offset dy, clicks the console's title bar and returns.
    void menuEntryThenBack(int dy);
    // The keystroke macros: click the target, send the keys one by one, come back.
    void keySeries(int f11Count, int f12Count);
    // Back to the console: its title bar, the focus in the wind box, the pointer home.
    void backToConsole(QPoint p0);

    void moveTo(QPoint p);
    void leftClick();
    void rightClick();
    void send(const QString& keys, int times);

    MainWindow& w_;
    ConsoleState& state_;
    InputInjector& input_;
    ScreenInfo& screen_;
};

} // namespace vellaro
