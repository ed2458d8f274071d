// Draws the built-in chart pictures of the SID chart window: schematics, not for
// navigation. Run once after a change; the PNGs in assets/charts are committed.
//
//     QT_QPA_PLATFORM=offscreen vellaro-chartgen assets/charts

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <vector>

namespace {

struct Airport {
    const char* code;
    const char* name;
    QPointF centre; // where the console puts the ring (615 twips, 41 pixels wide)
    double heading; // departure direction of the runways on this chart
    const char* northRunway;
    const char* southRunway;
    QColor colour;
};

struct Fix {
    const char* name;
    QPointF at;
    Qt::Alignment side; // where its SID names go: AlignLeft or AlignRight of the fix
};

struct Sid {
    const char* name;
    const char* key; // the shortcut typed into the route box
    int airport;
    const char* fix;
};

const QColor kPaper(0xFB, 0xFA, 0xF3);
const QColor kGrid(0xE6, 0xE4, 0xD8);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kTegel(0x0B, 0x4F, 0xA8);
const QColor kTempelhof(0x0C, 0x7A, 0x3A);
const QColor kSchoenefeld(0xA0, 0x1C, 0x6A);

QFont font(int px, bool bold = false, bool condensed = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    if (condensed) {
        f.setStretch(QFont::SemiCondensed);
    }
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QPointF unit(double headingDeg) {
    const double a = qDegreesToRadians(headingDeg);
    return {std::sin(a), -std::cos(a)};
}

// Text on a patch of paper, so route lines under it do not hide it.
void label(QPainter& p, const QRectF& box, int align, const QString& text) {
    const QRectF used = p.boundingRect(box, align, text).adjusted(-1.5, 0, 1.5, 0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPaper.red(), kPaper.green(), kPaper.blue(), 0xE0));
    p.drawRoundedRect(used, 2, 2);
    p.restore();
    p.drawText(box, align, text);
}

void paper(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), kPaper);
    p.setPen(QPen(kGrid, 1));
    for (int x = 20; x < size.width(); x += 40) {
        p.drawLine(x, 0, x, size.height());
    }
    for (int y = 20; y < size.height(); y += 40) {
        p.drawLine(0, y, size.width(), y);
    }
}

// Two parallel runways through the centre, inside the ring; the departure end is
// the threshold the arrow points away from.
void drawRunways(QPainter& p, const Airport& a) {
    const QPointF along = unit(a.heading);
    const QPointF across(-along.y(), along.x());
    p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::FlatCap));
    for (double off : {-4.0, 4.0}) {
        const QPointF mid = a.centre + across * off;
        p.drawLine(mid - along * 14, mid + along * 14);
    }
    // Take-off direction.
    p.setPen(QPen(a.colour, 1.6));
    p.setBrush(a.colour);
    const QPointF tip = a.centre + along * 23;
    QPolygonF head;
    head << tip << tip - along * 6 + across * 3.5 << tip - along * 6 - across * 3.5;
    p.drawPolygon(head);
}

void drawAirportLabel(QPainter& p, const Airport& a, QPointF at, Qt::Alignment align) {
    const QString code = QString::fromLatin1(a.code);
    const QString runways = QStringLiteral("%1 / %2").arg(QString::fromLatin1(a.northRunway),
                                                          QString::fromLatin1(a.southRunway));
    const QRectF box(align & Qt::AlignRight ? at.x() - 110 : at.x(), at.y(), 110, 30);
    p.setPen(a.colour);
    p.setFont(font(12, true));
    label(p, box.adjusted(0, 0, 0, -15), int(align | Qt::AlignTop), code);
    p.setPen(kInk);
    p.setFont(font(11, true, true));
    label(p, box.adjusted(0, 15, 0, 0), int(align | Qt::AlignTop), runways);
}

void drawFix(QPainter& p, const Fix& f) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    QPolygonF tri;
    tri << f.at + QPointF(0, -6) << f.at + QPointF(5.5, 4) << f.at + QPointF(-5.5, 4);
    p.drawPolygon(tri);
    p.setFont(font(11, true));
    const QRectF box(f.side & Qt::AlignRight ? f.at.x() - 98 : f.at.x() + 8, f.at.y() - 8, 90, 14);
    label(p, box,
          int((f.side & Qt::AlignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter),
          QString::fromLatin1(f.name));
}

const Fix* findFix(const std::vector<Fix>& fixes, const char* name) {
    for (const Fix& f : fixes) {
        if (qstrcmp(f.name, name) == 0) {
            return &f;
        }
    }
    return nullptr;
}

// A departure: straight out along the runway, then a turn towards its fix.
void drawRoute(QPainter& p, const Airport& a, const Fix& f) {
    const QPointF along = unit(a.heading);
    const QPointF start = a.centre + along * 24;
    const QPointF turn = a.centre + along * 60;
    QPainterPath path(start);
    path.quadTo(turn, f.at);
    p.setPen(QPen(a.colour, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// The SID names at their fix, in the colour of their airport.
void drawSidNames(QPainter& p, const std::vector<Airport>& airports, const Fix& f,
                  const std::vector<Sid>& sids) {
    p.setFont(font(11, true, true));
    double y = f.at.y() + 8;
    for (const Sid& s : sids) {
        if (qstrcmp(s.fix, f.name) != 0) {
            continue;
        }
        p.setPen(airports[s.airport].colour);
        const QRectF box(f.side & Qt::AlignRight ? f.at.x() - 98 : f.at.x() + 8, y, 90, 13);
        label(p, box,
              int((f.side & Qt::AlignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter),
              QString::fromLatin1(s.name));
        y += 13;
    }
}

// The right-hand column: per airport its runways and its SIDs with their shortcuts.
void drawLegend(QPainter& p, QRectF area, const QString& title,
                const std::vector<Airport>& airports, const std::vector<Sid>& sids) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 0xD8));
    p.drawRect(area);
    p.setPen(QPen(kInk, 1));
    p.drawLine(area.topLeft(), area.bottomLeft());
    double y = area.top() + 6;
    p.setFont(font(15, true));
    p.drawText(QRectF(area.left() + 8, y, area.width() - 10, 20), Qt::AlignLeft, title);
    y += 22;
    p.setFont(font(10));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(area.left() + 8, y, area.width() - 10, 14), Qt::AlignLeft,
               QStringLiteral("Kürzel im Routenfeld → SID"));
    y += 20;
    for (std::size_t i = 0; i < airports.size(); ++i) {
        const Airport& a = airports[i];
        p.setPen(a.colour);
        p.setFont(font(12, true));
        p.drawText(
            QRectF(area.left() + 8, y, area.width() - 10, 16), Qt::AlignLeft,
            QStringLiteral("%1 %2").arg(QString::fromLatin1(a.code), QString::fromUtf8(a.name)));
        y += 16;
        p.setPen(kInk);
        p.setFont(font(11, true, true));
        p.drawText(
            QRectF(area.left() + 8, y, area.width() - 10, 15), Qt::AlignLeft,
            QStringLiteral("RWY %1 / %2")
                .arg(QString::fromLatin1(a.northRunway), QString::fromLatin1(a.southRunway)));
        y += 16;
        int column = 0;
        for (const Sid& s : sids) {
            if (s.airport != int(i)) {
                continue;
            }
            const double x = area.left() + 8 + column * (area.width() - 10) / 2;
            p.setFont(font(10, false, true));
            p.setPen(QColor(0x50, 0x50, 0x50));
            p.drawText(QRectF(x, y, 24, 13), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(s.key));
            p.setFont(font(10, true, true));
            p.setPen(a.colour);
            p.drawText(QRectF(x + 22, y, 56, 13), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(s.name));
            column = 1 - column;
            if (column == 0) {
                y += 13;
            }
        }
        y += column == 1 ? 19 : 6;
    }
}

// The ring centre of a marker at (left, top) twips: the ring is 615 twips wide.
QPointF ringCentre(int leftTw, int topTw) {
    return {(leftTw + 307.5) / 15.0, (topTw + 307.5) / 15.0};
}

QImage sidChart(QSize size, const QString& title, const std::vector<Airport>& airports,
                const std::vector<Fix>& fixes, const std::vector<Sid>& sids) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paper(p, size);
    for (const Sid& s : sids) {
        if (const Fix* f = findFix(fixes, s.fix)) {
            drawRoute(p, airports[s.airport], *f);
        }
    }
    for (const Fix& f : fixes) {
        bool used = false;
        for (const Sid& s : sids) {
            used = used || qstrcmp(s.fix, f.name) == 0;
        }
        if (used) {
            drawFix(p, f);
            drawSidNames(p, airports, f, sids);
        }
    }
    for (const Airport& a : airports) {
        drawRunways(p, a);
    }
    drawAirportLabel(p, airports[0], airports[0].centre + QPointF(-26, -8), Qt::AlignRight);
    drawAirportLabel(p, airports[1], airports[1].centre + QPointF(-26, -8), Qt::AlignRight);
    drawAirportLabel(p, airports[2], airports[2].centre + QPointF(-26, -8), Qt::AlignRight);
    drawLegend(p, QRectF(406, 0, size.width() - 406, size.height()), title, airports, sids);
    // The window's frame takes the last rows of the picture: only this note goes there.
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setFont(font(9));
    p.drawText(QRectF(414, size.height() - 52, 150, 12), Qt::AlignLeft,
               QStringLiteral("Schema – nicht zur Navigation"));
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
    return img;
}

QImage sidWest() {
    const std::vector<Airport> airports = {
        {"EDDT", "Tegel", ringCentre(2700, 1080), 80, "08L", "08R", kTegel},
        {"EDDI", "Tempelhof", ringCentre(3480, 2580), 90, "09L", "09R", kTempelhof},
        {"EDDB", "Schönefeld", ringCentre(4240, 4100), 70, "07L", "07R", kSchoenefeld},
    };
    const std::vector<Sid> sids = {
        {"BRANE1T", "b1t", 0, "BRANE"}, {"BKD7T", "b7t", 0, "BKD"},
        {"GERGA1T", "g1t", 0, "GERGA"}, {"LANUM3T", "l3t", 0, "LANUM"},
        {"RAKIT1T", "r1t", 0, "RAKIT"}, {"BRANE1N", "b1n", 0, "BRANE"},
        {"BELID2X", "b2x", 1, "BELID"}, {"BKD6X", "b6x", 1, "BKD"},
        {"FWE3X", "f3x", 1, "FWE"},     {"RAKIT3X", "r3x", 1, "RAKIT"},
        {"TUVAK3X", "t3x", 1, "TUVAK"}, {"BRANE3V", "b3v", 1, "BRANE"},
        {"BKD5Q", "b5q", 2, "BKD"},     {"FWE3Q", "f3q", 2, "FWE"},
        {"GENTI1Q", "g1q", 2, "GENTI"}, {"GILAS5Q", "g5q", 2, "GILAS"},
        {"GILAS7Q", "g7q", 2, "GILAS"}, {"RAKIT3Q", "r3q", 2, "RAKIT"},
        {"SUI7Q", "s7q", 2, "SUI"},     {"TUVAK3Q", "t3q", 2, "TUVAK"},
    };
    const std::vector<Fix> fixes = {
        {"BRANE", {40, 40}, Qt::AlignLeft},    {"BKD", {140, 24}, Qt::AlignLeft},
        {"RAKIT", {300, 24}, Qt::AlignRight},  {"FWE", {390, 110}, Qt::AlignRight},
        {"LANUM", {390, 180}, Qt::AlignRight}, {"TUVAK", {390, 245}, Qt::AlignRight},
        {"GILAS", {385, 310}, Qt::AlignRight}, {"SUI", {170, 325}, Qt::AlignLeft},
        {"GENTI", {24, 280}, Qt::AlignLeft},   {"GERGA", {24, 200}, Qt::AlignLeft},
        {"BELID", {24, 125}, Qt::AlignLeft},
    };
    return sidChart(QSize(571, 399), QStringLiteral("SID 07 · 08 · 09"), airports, fixes, sids);
}

QImage sidEast() {
    const std::vector<Airport> airports = {
        {"EDDT", "Tegel", ringCentre(2760, 1080), 260, "26R", "26L", kTegel},
        {"EDDI", "Tempelhof", ringCentre(3550, 2450), 270, "27R", "27L", kTempelhof},
        {"EDDB", "Schönefeld", ringCentre(4320, 3960), 250, "25R", "25L", kSchoenefeld},
    };
    const std::vector<Sid> sids = {
        {"BRANE1L", "b1l", 0, "BRANE"}, {"BKD5L", "b5l", 0, "BKD"},
        {"GERGA2L", "g2l", 0, "GERGA"}, {"NASAT2L", "n2l", 0, "NASAT"},
        {"RAKIT2L", "r2l", 0, "RAKIT"}, {"BELID3S", "b3s", 1, "BELID"},
        {"BKD5S", "b5s", 1, "BKD"},     {"KLF3S", "k3s", 1, "KLF"},
        {"RAKIT2S", "r2s", 1, "RAKIT"}, {"TUVAK2S", "t2s", 1, "TUVAK"},
        {"BKD7R", "b7r", 2, "BKD"},     {"GENTI3R", "g3r", 2, "GENTI"},
        {"GILAS6R", "g6r", 2, "GILAS"}, {"KLF3R", "k3r", 2, "KLF"},
        {"RAKIT2R", "r2r", 2, "RAKIT"}, {"SUI6R", "s6r", 2, "SUI"},
        {"TUVAK2R", "t2r", 2, "TUVAK"},
    };
    const std::vector<Fix> fixes = {
        {"BRANE", {40, 40}, Qt::AlignLeft},    {"BKD", {140, 24}, Qt::AlignLeft},
        {"RAKIT", {300, 24}, Qt::AlignRight},  {"NASAT", {390, 70}, Qt::AlignRight},
        {"TUVAK", {390, 150}, Qt::AlignRight}, {"GILAS", {390, 230}, Qt::AlignRight},
        {"SUI", {150, 250}, Qt::AlignLeft},    {"KLF", {40, 275}, Qt::AlignLeft},
        {"GENTI", {24, 215}, Qt::AlignLeft},   {"GERGA", {24, 160}, Qt::AlignLeft},
        {"BELID", {24, 105}, Qt::AlignLeft},
    };
    return sidChart(QSize(571, 369), QStringLiteral("SID 25 · 26 · 27"), airports, fixes, sids);
}

// The Berlin radar sector: its outline, the three control zones, and the levels
// agreed at the sector boundary.
QImage sector() {
    const QSize size(339, 647);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paper(p, size);
    p.setPen(kInk);
    p.setFont(font(16, true));
    p.drawText(QRectF(10, 8, 320, 22), Qt::AlignLeft, QStringLiteral("EDBB  Berlin Radar"));
    p.setFont(font(10));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(10, 30, 320, 14), Qt::AlignLeft,
               QStringLiteral("Sektor und vereinbarte Level – Schema"));

    QPolygonF outline;
    outline << QPointF(70, 70) << QPointF(250, 58) << QPointF(318, 150) << QPointF(322, 300)
            << QPointF(280, 410) << QPointF(150, 430) << QPointF(40, 380) << QPointF(18, 220);
    p.setPen(QPen(QColor(0x70, 0x30, 0x80), 2.2, Qt::DashLine));
    p.setBrush(QColor(0xF1, 0xE9, 0xF4));
    p.drawPolygon(outline);
    p.setPen(QColor(0x70, 0x30, 0x80));
    p.setFont(font(11, true));
    p.drawText(QRectF(145, 96, 150, 14), Qt::AlignLeft, QStringLiteral("EDBB  GND – FL 245"));

    struct Zone {
        const char* code;
        const char* name;
        QPointF at;
        double heading;
        QColor colour;
    };
    const Zone zones[] = {{"EDDT", "Tegel", {130, 185}, 80, kTegel},
                          {"EDDI", "Tempelhof", {170, 250}, 90, kTempelhof},
                          {"EDDB", "Schönefeld", {215, 320}, 70, kSchoenefeld}};
    for (const Zone& z : zones) {
        p.setPen(QPen(z.colour, 1.2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(z.at, 30, 24);
        const QPointF along = unit(z.heading);
        const QPointF across(-along.y(), along.x());
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::FlatCap));
        for (double off : {-3.5, 3.5}) {
            p.drawLine(z.at + across * off - along * 12, z.at + across * off + along * 12);
        }
        p.setPen(z.colour);
        p.setFont(font(11, true));
        p.drawText(QRectF(z.at.x() + 32, z.at.y() - 14, 100, 14), Qt::AlignLeft,
                   QString::fromLatin1(z.code));
        p.setFont(font(10, false, true));
        p.drawText(QRectF(z.at.x() + 32, z.at.y(), 100, 14), Qt::AlignLeft,
                   QString::fromUtf8(z.name));
    }

    // Boundary gates: where departures leave and arrivals enter, with their levels.
    struct Gate {
        const char* name;
        QPointF at;
        const char* level;
        bool right; // label right of the gate
    };
    const Gate gates[] = {
        {"BRANE", {60, 90}, "FL 100", true},    {"BKD", {150, 64}, "FL 100", true},
        {"RAKIT", {240, 60}, "FL 110", true},   {"FWE", {319, 200}, "FL 110", false},
        {"TUVAK", {300, 355}, "FL 110", false}, {"SUI", {215, 422}, "FL 100", true},
        {"KLF", {95, 418}, "FL 100", true},     {"GERGA", {22, 250}, "FL 100", true}};
    for (const Gate& g : gates) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::white);
        QPolygonF tri;
        tri << g.at + QPointF(0, -6) << g.at + QPointF(5.5, 4) << g.at + QPointF(-5.5, 4);
        p.drawPolygon(tri);
        const QRectF box(g.right ? g.at.x() + 8 : g.at.x() - 96, g.at.y() - 2, 88, 28);
        const int align = int((g.right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
        p.setFont(font(11, true));
        p.drawText(box, align, QString::fromLatin1(g.name));
        p.setFont(font(10, true, true));
        p.setPen(QColor(0x00, 0x60, 0x20));
        p.drawText(box.adjusted(0, 13, 0, 0), align,
                   QStringLiteral("▲ %1").arg(QString::fromLatin1(g.level)));
    }

    // The table of agreed levels below the sector.
    double y = 450;
    p.setPen(kInk);
    p.setFont(font(12, true));
    p.drawText(QRectF(10, y, 320, 16), Qt::AlignLeft, QStringLiteral("Vereinbarte Level"));
    y += 20;
    const char* rows[][2] = {
        {"Abflug Nord / West", "▲ FL 100"}, {"Abflug Ost / Süd", "▲ FL 110"},
        {"Anflug EDDT / EDDI", "▼ FL 80"},  {"Anflug EDDB", "▼ FL 70"},
        {"Überflug", "FL 130 – FL 245"},    {"Übergabe an TWR", "5000 ft"},
    };
    for (const auto& row : rows) {
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(10, y + 17), QPointF(328, y + 17));
        p.setPen(kInk);
        p.setFont(font(11, false, true));
        p.drawText(QRectF(12, y, 190, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(row[0]));
        p.setFont(font(11, true, true));
        p.drawText(QRectF(200, y, 126, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromUtf8(row[1]));
        y += 19;
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setFont(font(9));
    p.drawText(QRectF(10, y + 6, 320, 12), Qt::AlignLeft,
               QStringLiteral("Schema – nicht zur Navigation"));
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vellaro-chartgen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, QImage> charts[] = {
        {"sidwest.png", sidWest()}, {"sideast.png", sidEast()}, {"edbb.png", sector()}};
    for (const auto& [name, image] : charts) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
