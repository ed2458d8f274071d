#pragma once

#include <QString>

#include <optional>

namespace vellaro {

class ChartWindow;
class Clipboard;
class Download;
class MainWindow;
class ServiceAddresses;
struct ConsoleState;

// The "U" button's question for a newer version, and the public address: its fetch and
// the remarks boxes from which the address sentence goes to the clipboard.
class UpdateCheck {
  public:
    UpdateCheck(MainWindow& window, ChartWindow& charts, ConsoleState& state, Clipboard& clipboard,
                const Download& download, const ServiceAddresses& services);

    void Command4_Click();
    // The update file into ConsoleState.webText; false when the console was closed.
    bool getupd();
    void Timer5_Timer();
    void Text22_DblClick();

    // The caller's public address as the echo page answers it; nothing when the console
    // was closed during the wait.
    std::optional<QString> publicAddress() const;
    void Text11_GotFocus(int n);
    void Text11_LostFocus(int n);
    void Label22_Click();

    // What Text22 says for an update file's text.
    static QString updateNotice(const QString& updateFile);

  private:
    MainWindow& w_;
    ChartWindow& charts_;
    ConsoleState& state_;
    Clipboard& clipboard_;
    const Download& download_;
    const ServiceAddresses& services_;
};

} // namespace vellaro
