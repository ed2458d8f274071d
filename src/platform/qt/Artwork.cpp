#include "platform/qt/Artwork.h"

#include <QResource>

#include <cmath>
#include <cstring>

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
    // rest of the start-up together. Its rows are copied as they stand: the image
    // reader would take each byte on its own.
    const QResource file(QStringLiteral(":/vellaro/background.pgm"));
    const QByteArray head =
        QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), qMin(file.size(), 32));
    static constexpr char kHeader[] = "P5\n800 400\n255\n";
    constexpr qsizetype kHeaderSize = sizeof(kHeader) - 1;
    constexpr int kWidth = 800;
    constexpr int kHeight = 400;
    if (file.compressionAlgorithm() != QResource::NoCompression || !head.startsWith(kHeader) ||
        file.size() != kHeaderSize + qint64(kWidth) * kHeight) {
        return QImage(file.absoluteFilePath());
    }
    QImage image(kWidth, kHeight, QImage::Format_Grayscale8);
    const uchar* pixels = file.data() + kHeaderSize;
    for (int y = 0; y < kHeight; ++y) {
        std::memcpy(image.scanLine(y), pixels + qsizetype(y) * kWidth, kWidth);
    }
    return image;
}

} // namespace vellaro::qt
