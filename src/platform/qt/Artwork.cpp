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
    QImage img(800, 400, QImage::Format_RGB32);
    // A fixed seed: the same grain on every start.
    quint32 state = 0x9E3779B9u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    // Soft horizontal brushing plus fine grain, centred on the window's grey.
    double row = 0;
    for (int y = 0; y < img.height(); ++y) {
        row = row * 0.85 + (double(next() % 13) - 6.0) * 0.15;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        double run = 0;
        for (int x = 0; x < img.width(); ++x) {
            run = run * 0.9 + (double(next() % 9) - 4.0) * 0.1;
            const double wave = 3.0 * std::sin((x + 2.3 * y) / 37.0) * std::sin(y / 23.0);
            const int v = std::clamp(
                int(std::lround(192 + row * 2 + run * 3 + wave + double(next() % 7) - 3.0)), 170,
                214);
            line[x] = qRgb(v, v, v);
        }
    }
    return img;
}

} // namespace vellaro::qt
