#include "scenario/ScenarioValues.h"

#include "platform/Control.h"
#include "scenario/ScenarioLexer.h"

namespace vellaro::scenario {

namespace {

bool isNumeric(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool isColour(const QString& prop) {
    return prop.endsWith(QLatin1String("Color"));
}

} // namespace

QString render(const QVariant& v, const QString& prop) {
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    }
    if (isNumeric(v)) {
        const double d = v.toDouble();
        if (isColour(prop)) {
            return d == -1 ? QStringLiteral("default")
                           : QStringLiteral("&H") + QString::number(v.toLongLong(), 16).toUpper();
        }
        return d == qint64(d) ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    return quoted(v.toString());
}

bool matches(const QVariant& actual, const QString& expected) {
    if (actual.typeId() == QMetaType::Bool) {
        const auto b = parseBool(expected);
        return b && *b == actual.toBool();
    }
    if (isNumeric(actual)) {
        std::optional<double> n;
        if (expected.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0) {
            n = double(kDefaultColour);
        } else if (auto d = parseNumber(expected)) {
            n = d;
        } else if (auto b = parseBool(expected)) {
            n = *b ? 1.0 : 0.0;
        }
        return n && *n == actual.toDouble();
    }
    return actual.toString() == expected;
}

} // namespace vellaro::scenario
