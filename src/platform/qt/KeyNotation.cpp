#include "platform/qt/KeyNotation.h"

namespace vellaro::qt {

QList<KeyStroke> parseKeyNotation(const QString& keys) {
    QList<KeyStroke> out;
    int i = 0;
    while (i < keys.size()) {
        const QChar c = keys.at(i);
        if (c == QLatin1Char('{')) {
            // "{}}" is a closing brace typed as itself.
            int close = keys.indexOf(QLatin1Char('}'), i + 2);
            if (i + 1 < keys.size() && keys.at(i + 1) == QLatin1Char('}')) {
                close = i + 2 < keys.size() && keys.at(i + 2) == QLatin1Char('}') ? i + 2 : -1;
            } else if (i + 2 < keys.size() && keys.at(i + 2) == QLatin1Char('}')) {
                close = i + 2;
            }
            if (close > i + 1) {
                QString inner = keys.mid(i + 1, close - i - 1);
                int repeat = 1;
                const int blank = inner.lastIndexOf(QLatin1Char(' '));
                if (blank > 0) {
                    bool ok = false;
                    const int n = inner.mid(blank + 1).toInt(&ok);
                    if (ok && n >= 0) {
                        repeat = std::min(n, 1000);
                        inner = inner.left(blank);
                    }
                }
                KeyStroke k;
                if (inner.size() == 1) {
                    k.character = inner.at(0);
                } else {
                    k.name = inner.toUpper();
                }
                for (int r = 0; r < repeat; ++r) {
                    out.append(k);
                }
                i = close + 1;
                continue;
            }
        }
        KeyStroke k;
        k.character = c;
        out.append(k);
        ++i;
    }
    return out;
}

} // namespace vellaro::qt
