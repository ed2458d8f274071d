#include "weather/MiniInfoWindow.h"

namespace vellaro {

void MiniInfoWindow::build(Form& f) {
    f.setCaption(
        QStringLiteral("        Wind             QNH           Land      Take-Off    ATIS  "
                       "   TL          Frequencies"));
    // Client area 8910 x 510 inside a fixed frame with a title bar.
    f.setWidth(9000);
    f.setHeight(900);
    struct Box {
        const char* name;
        int left, top, width, height;
        Colour back;
    };
    const Box boxes[] = {
        {"Text1", 0, 0, 735, 495, 0xFFFF00},     {"Text2", 840, 0, 495, 495, 0xFFFF00},
        {"Text3", 1440, 0, 975, 495, 0xFFC0FF},  {"Text4", 2520, 0, 855, 495, 0xC0FFFF},
        {"Text5", 3480, 0, 855, 495, 0xC0FFFF},  {"Text6", 4440, 0, 615, 285, 0xE0E0E0},
        {"Text7", 4440, 240, 615, 285, 0xE0E0E0}};
    for (const Box& b : boxes) {
        auto& t = f.add<TextBox>(QString::fromLatin1(b.name));
        t.setGeometry(b.left, b.top, b.width, b.height);
        t.setBackColor(b.back);
    }
    struct Lbl {
        const char* name;
        const char* caption;
        int left, top, width, height;
    };
    const Lbl labels[] = {{"Label1", "TL", 5040, 0, 735, 255},
                          {"Label4", "", 5040, 240, 735, 255},
                          {"Label2", "Label2", 5880, 0, 1575, 255},
                          {"Label3", "Label3", 5880, 210, 1575, 255}};
    for (const Lbl& l : labels) {
        auto& c = f.add<Label>(QString::fromLatin1(l.name));
        c.setCaption(QString::fromLatin1(l.caption));
        c.setGeometry(l.left, l.top, l.width, l.height);
    }
    auto& mini = f.add<Button>(QStringLiteral("Command3"));
    mini.setCaption(QStringLiteral("mini"));
    mini.setToolTip(QStringLiteral("verschiebt das Fenster noch weiter nach oben"));
    mini.setGeometry(7665, 0, 540, 260);
    auto& dep = f.add<Button>(QStringLiteral("Command2"));
    dep.setCaption(QStringLiteral("DEP"));
    dep.setGeometry(7665, 250, 540, 260);
    auto& back = f.add<Button>(QStringLiteral("Command1"));
    back.setCaption(QStringLiteral("Back"));
    back.setToolTip(QStringLiteral("kehrt zum Hauptfenster zurück"));
    back.setGeometry(8280, 0, 615, 510);
    const int lines[][4] = {{2460, 0, 15, 510}, {4380, 0, 15, 510}, {7605, 0, 15, 510}};
    for (int i = 0; i < 3; ++i) {
        f.add<Line>(QStringLiteral("Line%1").arg(i + 1))
            .setGeometry(lines[i][0], lines[i][1], lines[i][2], lines[i][3]);
    }
}

} // namespace vellaro
