#pragma once

#include <QByteArray>
#include <QString>

namespace vellaro {

// The 8-bit code page of the data files and of the old services' pages. A character
// the page lacks becomes "?".
QByteArray toWindows1252(const QString& s);
QString fromWindows1252(const QByteArray& bytes);

} // namespace vellaro
