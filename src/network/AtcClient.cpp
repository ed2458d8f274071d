#include "network/AtcClient.h"

#include "core/MainWindow.h"
#include "network/ServiceAddresses.h"
#include "platform/AtcClientLink.h"

namespace vellaro {

namespace {

constexpr Colour kLinkUp = kLandingGreen;
constexpr Colour kLinkDown = 0xA0A0A0;
constexpr Colour kLinkDownText = 0x404040;

QString downTip() {
    return QString::fromUtf8(
        "Keine Verbindung zum ATC-Client. Einschalten im Client: PVD → Settings (F7) → "
        "Other → \"3rd Party Software Access\" = YES, dann die Einstellung in der "
        "laufenden Sitzung noch einmal übernehmen. Vellaro versucht es alle 10 Sekunden.");
}

} // namespace

QString transponderCode(const QString& digits) {
    const QString d = digits.trimmed();
    if (d.isEmpty() || d.size() > 4) {
        return {};
    }
    for (const QChar c : d) {
        if (c < QLatin1Char('0') || c > QLatin1Char('7')) {
            return {};
        }
    }
    return d.rightJustified(4, QLatin1Char('0'));
}

AtcClient::AtcClient(MainWindow& window, AtcClientLink& link, const ServiceAddresses& services,
                     std::function<bool()> consoleClosed)
    : w_(window), link_(link), services_(services), consoleClosed_(std::move(consoleClosed)) {
    w_.Label28.setBackColor(kLinkDown);
    w_.Label28.setForeColor(kLinkDownText);
    w_.Label28.setToolTip(downTip());
}

void AtcClient::start() {
    link_.onConnectedChanged = [this](bool up) { linkChanged(up); };
    link_.start([this] { return services_.atcClientEndpoint(); });
}

void AtcClient::stop() {
    link_.onConnectedChanged = nullptr;
    link_.stop();
}

bool AtcClient::up() const {
    return link_.connected();
}

void AtcClient::linkChanged(bool up) {
    QString tip = downTip();
    if (up) {
        // The client names its own station: the link is alive, and the tip can say so.
        const auto station = ask(QStringLiteral("#CONN"));
        tip = QStringLiteral("Verbunden mit dem ATC-Client");
        if (station && !station->isEmpty() && !station->first().isEmpty()) {
            tip += QStringLiteral(" (") + station->first() + QLatin1Char(')');
        }
        up = link_.connected();
    }
    if (consoleClosed_ && consoleClosed_()) {
        return;
    }
    w_.Label28.setBackColor(up ? kLinkUp : kLinkDown);
    w_.Label28.setForeColor(up ? kBlack : kLinkDownText);
    w_.Label28.setToolTip(up ? tip : downTip());
    if (onLinkChanged) {
        onLinkChanged(up);
    }
}

std::optional<QString> AtcClient::askRaw(const QString& command, const QStringList& arguments) {
    if (!link_.connected()) {
        return std::nullopt;
    }
    auto answer = link_.request(command, arguments);
    if (consoleClosed_ && consoleClosed_()) {
        return std::nullopt;
    }
    return answer;
}

std::optional<QStringList> AtcClient::ask(const QString& command, const QStringList& arguments) {
    const auto answer = askRaw(command, arguments);
    if (!answer || answer->startsWith(QLatin1Char('@'))) {
        return std::nullopt;
    }
    QStringList fields = answer->split(QLatin1Char(';'));
    fields.removeFirst();
    return fields;
}

std::optional<QString> AtcClient::selectedTarget() {
    const auto f = ask(QStringLiteral("#SELTFC"));
    if (!f) {
        return std::nullopt;
    }
    return f->isEmpty() ? QString() : f->first().trimmed();
}

std::optional<QString> AtcClient::destinationOf(const QString& callsign) {
    // Callsign, departure, destination, ...
    const auto f = ask(QStringLiteral("#FP"), {callsign});
    if (!f || f->size() < 3) {
        return std::nullopt;
    }
    return f->at(2).trimmed();
}

std::optional<QStringList> AtcClient::targets() {
    auto f = ask(QStringLiteral("#TR"));
    if (!f) {
        return std::nullopt;
    }
    QStringList callsigns;
    for (const QString& cs : *f) {
        if (!cs.trimmed().isEmpty()) {
            callsigns.append(cs.trimmed().toUpper());
        }
    }
    return callsigns;
}

std::optional<QString> AtcClient::squawkOf(const QString& callsign) {
    const auto f = ask(QStringLiteral("#TRSQK"), {callsign});
    if (!f) {
        return std::nullopt;
    }
    return f->size() < 2 ? QString() : transponderCode(f->at(1));
}

std::optional<QString> AtcClient::labelSquawk(const QString& callsign, const QString& code) {
    const QString command = QStringLiteral("#LBSQK");
    const QStringList arguments = {callsign, code};
    const auto answer = askRaw(command, arguments);
    if (!answer) {
        return std::nullopt;
    }
    const auto line = atc::requestLine(command, arguments);
    return line ? atc::errorMessage(*answer, *line).value_or(QString()) : QString();
}

} // namespace vellaro
