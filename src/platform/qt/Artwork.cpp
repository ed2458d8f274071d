#include "platform/qt/Artwork.h"

#include <cmath>

namespace vellaro::qt {

QImage builtinChart(const QString& name, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    QImage img(QStringLiteral(":/charts/%1.png").arg(name));
    if (img.isNull()) {
        img = QImage(size, QImage::Format_RGB32);
        img.fill(Qt::white);
    }
    return img.size() == size ? img : img.scaled(size);
}

QImage backgroundTexture() {
    // Made once and kept as a picture: computing the grain took more time than the
    // rest of the start-up together.
    return QImage(QStringLiteral(":/vellaro/background.pgm"));
}

} // namespace vellaro::qt
