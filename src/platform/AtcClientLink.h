#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace vellaro {

// The ATC client's local interface for third-party tools: a TCP connection on which
// the console sends one request line at a time ("#FP;DLH4AB") and reads the line that
// answers it. The link connects by itself, and again every kRetryMs while it is down.
class AtcClientLink {
  public:
    struct Endpoint {
        QString host;
        quint16 port = 0;
        friend bool operator==(const Endpoint&, const Endpoint&) = default;
    };
    // Where the link connects; nothing when it is switched off. Asked at every
    // attempt and every request, so a changed services.txt counts from then on.
    using EndpointSource = std::function<std::optional<Endpoint>()>;

    static constexpr int kRetryMs = 10000;
    // The longest the console waits for an answer; then the request has failed and
    // the connection is dropped and made anew.
    static constexpr int kAnswerTimeoutMs = 500;

    virtual ~AtcClientLink() = default;

    // Starts connecting now; until stop() the link keeps itself connected.
    virtual void start(EndpointSource endpoint) = 0;
    // Drops the connection and stops trying.
    virtual void stop() = 0;
    virtual bool connected() const = 0;
    // Sends one request and waits, other events running, for the line that echoes it
    // or the error that names it; lines in between are the client's own notices and
    // are skipped. Nothing when the link is down, another request is under way, an
    // argument could break the line (see requestLine), or no answer came in time.
    virtual std::optional<QString> request(const QString& command,
                                           const QStringList& arguments = {}) = 0;

    // Told when the link comes up or goes down; never from inside request().
    std::function<void(bool up)> onConnectedChanged;
};

namespace atc {

// "#FP;DLH4AB": the command and its arguments separated by ";". Nothing for a command
// that is not "#" and capitals, or an argument that is empty or holds anything but
// printable ASCII other than ";": the client reads fields by ";" and lines by CR LF.
std::optional<QString> requestLine(const QString& command, const QStringList& arguments);
// Does the line answer the request line: its echo ("#FP;DLH4AB;EDDT;...") or an error
// naming it ("@ERR;#FP;DLH4AB;Incomplete data in command")?
bool answers(const QString& line, const QString& request);
// The message of an error answer to the request, or nothing when the line is no error.
std::optional<QString> errorMessage(const QString& line, const QString& request);

} // namespace atc

} // namespace vellaro
