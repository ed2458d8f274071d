#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vellaro {

class AtcClientLink;
class MainWindow;
class ServiceAddresses;

// The console's side of the link to the ATC client's local interface: the requests
// it makes, and the indicator in the main window that shows whether the link is up.
// Without the client every request simply finds nothing.
class AtcClient {
  public:
    AtcClient(MainWindow& window, AtcClientLink& link, const ServiceAddresses& services,
              std::function<bool()> consoleClosed);

    // Start-up: the link connects now, and again whenever it is down.
    void start();
    // Shut-down: the link goes down and stays down.
    void stop();
    bool up() const;

    // The callsign of the target selected in the client, empty when none is.
    std::optional<QString> selectedTarget();
    // The destination of a callsign's flight plan; nothing when it has none.
    std::optional<QString> destinationOf(const QString& callsign);
    // The callsigns of the targets within the client's radar range.
    std::optional<QStringList> targets();
    // The code a target squawks (four octal digits), empty when it shows none.
    std::optional<QString> squawkOf(const QString& callsign);
    // Sets a target's assigned-squawk label: empty text when the client took it, its
    // message when it refused ("Traffic not assumed."), nothing without an answer.
    std::optional<QString> labelSquawk(const QString& callsign, const QString& code);

    // Told after the indicator has followed the link.
    std::function<void(bool up)> onLinkChanged;

  private:
    // The answer's fields after the command: "#FP;CS;EDDT;EDDM" -> CS, EDDT, EDDM.
    // Nothing for an error or no answer; nothing either when the console was closed
    // during the wait, so no caller goes on.
    std::optional<QStringList> ask(const QString& command, const QStringList& arguments = {});
    std::optional<QString> askRaw(const QString& command, const QStringList& arguments);
    void linkChanged(bool up);

    MainWindow& w_;
    AtcClientLink& link_;
    const ServiceAddresses& services_;
    std::function<bool()> consoleClosed_;
};

// "200" -> "0200"; empty for anything that is no transponder code.
QString transponderCode(const QString& digits);

} // namespace vellaro
