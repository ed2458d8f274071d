#include "core/ControlBinder.h"

namespace vellaro {

void ControlBinder::fail(const char* name, int index) const {
    const QString which = index < 0 ? QString::fromLatin1(name)
                                    : QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    throw MissingControl(QStringLiteral("%1 has no control %2 of the expected kind")
                             .arg(form_.name(), which)
                             .toStdString());
}

} // namespace vellaro
