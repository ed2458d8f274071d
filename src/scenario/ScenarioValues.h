#pragma once

#include <QString>
#include <QVariant>

// Property and state values as scripts write them.
namespace vellaro::scenario {

// A value as a script would write it; colours (properties ending in Color) in
// &HBBGGRR form or `default`, texts quoted.
QString render(const QVariant& v, const QString& prop);

// Does the value equal what the script wrote? Booleans as booleans, numbers
// numerically, texts exactly.
bool matches(const QVariant& actual, const QString& expected);

} // namespace vellaro::scenario
