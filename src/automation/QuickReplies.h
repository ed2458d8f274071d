#pragma once

#include <QPoint>
#include <QString>

namespace vellaro {

class Button;
class Clipboard;
class InputInjector;
class InputSimulation;
class MainWindow;
struct ConsoleState;

// One-click answers: fixed texts onto the clipboard, and the release typed straight
// into the ATC client at a calibrated point.
class QuickReplies {
  public:
    QuickReplies(MainWindow& window, ConsoleState& state, Clipboard& clipboard,
                 InputInjector& input, InputSimulation& hands);

    // "R", "N", "C": the reply onto the clipboard.
    void Command44_Click();
    void Command45_Click();
    void Command46_Click();
    // The typed release at click point 1 and 2.
    void Command47_Click();
    void Command48_Click();
    // "C": calibration starts on the keyboard-only button.
    void Command51_Click();
    void Command52_Click();
    // "R1C", "R2C": the pointer becomes the click point; its "C" goes away.
    void Command49_Click();
    void Command50_Click();

  private:
    void reply(const QString& text);
    void typedRelease(QPoint at);
    void calibrate(QPoint& point, Button& calibrateButton);

    MainWindow& w_;
    ConsoleState& state_;
    Clipboard& clipboard_;
    InputInjector& input_;
    InputSimulation& hands_;
};

} // namespace vellaro
