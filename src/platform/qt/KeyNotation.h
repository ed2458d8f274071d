#pragma once

#include <QList>
#include <QString>

namespace vellaro::qt {

// One key of a send-keys string: a named key ("F11", "ENTER", upper case) or a
// character typed as itself.
struct KeyStroke {
    QString name;
    QChar character;
    bool named() const { return !name.isEmpty(); }
    bool operator==(const KeyStroke&) const = default;
};

// Reads the brace notation: "{F11}" is one key, "{F12 3}" three, "{{}" and "{}}"
// type a brace, and every other character is typed as itself.
QList<KeyStroke> parseKeyNotation(const QString& keys);

} // namespace vellaro::qt
