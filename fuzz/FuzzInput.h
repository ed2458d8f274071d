#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Splitting one fuzz input into the parts a target needs.
namespace vellaro::fuzz {

struct Input {
    Input(const uint8_t* data, size_t size)
        : rest(reinterpret_cast<const char*>(data), qsizetype(size)) {}

    // The first byte, 0 when the input is empty.
    uint8_t byte() {
        if (rest.isEmpty()) {
            return 0;
        }
        const auto b = uint8_t(rest.at(0));
        rest.remove(0, 1);
        return b;
    }
    // Up to the first LF (taken off), at most max bytes; the whole rest when there is none.
    QByteArray line(qsizetype max) {
        qsizetype end = rest.indexOf('\n');
        const qsizetype taken = end < 0 ? rest.size() : end + 1;
        if (end < 0) {
            end = rest.size();
        }
        QByteArray l = rest.left(std::min(end, max));
        rest.remove(0, taken);
        return l;
    }
    QString utf8Line(qsizetype max) { return QString::fromUtf8(line(max)); }

    QByteArray rest;
};

} // namespace vellaro::fuzz
