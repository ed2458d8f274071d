#include "core/Text.h"

#include <cmath>

namespace vellaro::text {

QString left(const QString& s, qsizetype n) {
    if (n <= 0) {
        return {};
    }
    return s.left(n);
}

QString right(const QString& s, qsizetype n) {
    if (n <= 0) {
        return {};
    }
    return s.right(n);
}

QString mid(const QString& s, qsizetype start, qsizetype n) {
    if (start < 1) {
        start = 1;
    }
    if (start > s.size()) {
        return {};
    }
    if (n < 0) {
        return s.mid(start - 1);
    }
    return s.mid(start - 1, n);
}

qsizetype instr(const QString& s, const QString& what, qsizetype start) {
    if (start < 1) {
        start = 1;
    }
    if (start > s.size() + 1) {
        return 0;
    }
    if (what.isEmpty()) {
        return start <= s.size() ? start : 0;
    }
    const qsizetype p = s.indexOf(what, start - 1);
    return p < 0 ? 0 : p + 1;
}

QString trim(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == QLatin1Char(' ')) {
        ++b;
    }
    while (e > b && s[e - 1] == QLatin1Char(' ')) {
        --e;
    }
    return s.mid(b, e - b);
}

double numericValue(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) {
        ++i;
    }
    QString num;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        num += s[i];
        ++i;
    }
    bool point = false;
    bool digits = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            num += c;
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            num += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok ? v : 0.0;
}

QString formatLikeStr(double v) {
    if (std::isnan(v)) {
        return QStringLiteral(" 0");
    }
    if (v == 0.0) {
        return QStringLiteral(" 0");
    }
    QString body = QString::number(std::fabs(v), 'g', 15);
    const qsizetype e = body.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 1e+16 -> 1E+16, 1e-05 -> 1E-05
        body[e] = QLatin1Char('E');
    } else if (body.startsWith(QLatin1String("0."))) {
        body.remove(0, 1);
    }
    return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + body;
}

} // namespace vellaro::text
