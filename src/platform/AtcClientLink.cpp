#include "platform/AtcClientLink.h"

namespace vellaro::atc {

namespace {

const QString kError = QStringLiteral("@ERR;");

bool isCommand(const QString& c) {
    if (c.size() < 2 || c[0] != QLatin1Char('#')) {
        return false;
    }
    for (qsizetype i = 1; i < c.size(); ++i) {
        if (c[i] < QLatin1Char('A') || c[i] > QLatin1Char('Z')) {
            return false;
        }
    }
    return true;
}

bool isArgument(const QString& a) {
    if (a.isEmpty()) {
        return false;
    }
    for (const QChar ch : a) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E || ch == QLatin1Char(';')) {
            return false;
        }
    }
    return true;
}

// The line is the request itself, or the request followed by ";" and more.
bool echoes(const QString& line, qsizetype from, const QString& request) {
    if (!QStringView(line).mid(from).startsWith(request)) {
        return false;
    }
    const qsizetype end = from + request.size();
    return end == line.size() || line[end] == QLatin1Char(';');
}

} // namespace

std::optional<QString> requestLine(const QString& command, const QStringList& arguments) {
    if (!isCommand(command)) {
        return std::nullopt;
    }
    QString line = command;
    for (const QString& a : arguments) {
        if (!isArgument(a)) {
            return std::nullopt;
        }
        line += QLatin1Char(';') + a;
    }
    return line;
}

bool answers(const QString& line, const QString& request) {
    return echoes(line, 0, request) ||
           (line.startsWith(kError) && echoes(line, kError.size(), request));
}

std::optional<QString> errorMessage(const QString& line, const QString& request) {
    if (!line.startsWith(kError) || !echoes(line, kError.size(), request)) {
        return std::nullopt;
    }
    QString rest = line.mid(kError.size() + request.size());
    if (rest.startsWith(QLatin1Char(';'))) {
        rest.remove(0, 1);
    }
    // A command without arguments may still carry their empty field.
    if (!request.contains(QLatin1Char(';')) && rest.startsWith(QLatin1Char(';'))) {
        rest.remove(0, 1);
    }
    return rest;
}

} // namespace vellaro::atc
