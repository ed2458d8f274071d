#include "platform/qt/Artwork.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vellaro::qt {

namespace {

struct Sid {
    const char* name;
    double angleDeg; // direction of departure on the sheet, 0 = up
};

void drawAirport(QPainter& p, QPointF centre, double scale, double runwayDeg, const QString& name) {
    p.save();
    p.translate(centre);
    p.rotate(runwayDeg - 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(-45 * scale, -10 * scale, 90 * scale, 5 * scale));
    p.drawRect(QRectF(-40 * scale, 6 * scale, 80 * scale, 5 * scale));
    p.restore();
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(centre + QPointF(-30 * scale, 34 * scale), name);
}

void drawSids(QPainter& p, QPointF from, double length, const Sid* sids, int count) {
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < count; ++i) {
        const double a = qDegreesToRadians(sids[i].angleDeg);
        const QPointF dir(std::sin(a), -std::cos(a));
        const QPointF bend = from + dir * (length * 0.45) + QPointF(dir.y(), -dir.x()) * 18.0;
        const QPointF end = from + dir * length;
        QPainterPath path(from);
        path.quadTo(bend, end);
        p.setPen(QPen(QColor(0x00, 0x40, 0xA0), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        // The fix at the end of the route.
        QPolygonF tri;
        tri << end + QPointF(0, -6) << end + QPointF(5, 4) << end + QPointF(-5, 4);
        p.setBrush(QColor(0x00, 0x40, 0xA0));
        p.drawPolygon(tri);
        p.setPen(QColor(0x00, 0x30, 0x80));
        const QPointF label = end + QPointF(dir.x() >= 0 ? 8 : -8 - 6.5 * qstrlen(sids[i].name), 4);
        p.drawText(label, QString::fromLatin1(sids[i].name));
    }
}

void drawFrame(QPainter& p, QSize size, const QString& title, const QString& note) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xFA, 0xFA, 0xF2));
    p.setPen(QColor(0xD8, 0xD8, 0xCC));
    for (int x = 0; x < size.width(); x += 40) {
        p.drawLine(x, 0, x, size.height());
    }
    for (int y = 0; y < size.height(); y += 40) {
        p.drawLine(0, y, size.width(), y);
    }
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(1, 1), size - QSize(2, 2)));
    QFont f = p.font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPoint(10, 22), title);
    f.setPixelSize(10);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawText(QRect(10, size.height() - 30, size.width() - 20, 24),
               Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, note);
}

} // namespace

QImage builtinChart(const QString& name, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QString note =
        QString::fromUtf8("Platzhalter – eigene Karte als %1.bmp ablegen / placeholder chart")
            .arg(name);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    if (name == QLatin1String("sidwest")) {
        drawFrame(p, size, QStringLiteral("EDDT  SID  West  (RWY 26L/R)"), note);
        const Sid sids[] = {{"WEST", 280}, {"NORTH-W", 320}, {"SOUTH-W", 235}, {"NORTH", 355}};
        drawSids(p, centre + QPointF(60, 20), std::min(size.width(), size.height()) * 0.42, sids,
                 4);
        drawAirport(p, centre + QPointF(60, 20), 1.0, 80, QStringLiteral("EDDT"));
    } else if (name == QLatin1String("sideast")) {
        drawFrame(p, size, QStringLiteral("EDDT  SID  East  (RWY 08L/R)"), note);
        const Sid sids[] = {{"EAST", 95}, {"NORTH-E", 45}, {"SOUTH-E", 140}, {"SOUTH", 180}};
        drawSids(p, centre + QPointF(-60, -10), std::min(size.width(), size.height()) * 0.42, sids,
                 4);
        drawAirport(p, centre + QPointF(-60, -10), 1.0, 80, QStringLiteral("EDDT"));
    } else if (name == QLatin1String("edbb")) {
        drawFrame(p, size, QStringLiteral("EDBB  Berlin"), note);
        // The sector outline with the three airports inside.
        QPolygonF sector;
        const double w = size.width();
        const double h = size.height();
        sector << QPointF(w * 0.15, h * 0.12) << QPointF(w * 0.8, h * 0.1)
               << QPointF(w * 0.9, h * 0.5) << QPointF(w * 0.75, h * 0.88)
               << QPointF(w * 0.2, h * 0.85) << QPointF(w * 0.08, h * 0.45);
        p.setPen(QPen(QColor(0x80, 0x20, 0x80), 2, Qt::DashLine));
        p.setBrush(QColor(0xF0, 0xE6, 0xF0));
        p.drawPolygon(sector);
        drawAirport(p, QPointF(w * 0.42, h * 0.4), 0.5, 80, QStringLiteral("EDDT"));
        drawAirport(p, QPointF(w * 0.52, h * 0.52), 0.5, 90, QStringLiteral("EDDI"));
        drawAirport(p, QPointF(w * 0.6, h * 0.68), 0.5, 70, QStringLiteral("EDDB"));
    } else {
        drawFrame(p, size, name, note);
    }
    return img;
}

QImage backgroundTexture() {
    // Made once and kept as a picture: computing the grain took more time than the
    // rest of the start-up together.
    return QImage(QStringLiteral(":/vellaro/background.png"));
}

} // namespace vellaro::qt
