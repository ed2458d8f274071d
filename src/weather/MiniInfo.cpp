#include "weather/MiniInfo.h"

#include "core/Console.h"
#include "weather/MetarDecoder.h"

#include <cmath>

namespace vellaro {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kUnfoldedHeight = 5580;
// Tucks the caption bar above the screen edge.
constexpr int kRaisedTop = -310;

void buildMiniInfoWindow(Form& f) {
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

} // namespace

MiniInfo::MiniInfo(Console& console) : c_(console) {
    Form& m = c_.form2();
    buildMiniInfoWindow(m);
    m.onLoad = [this] { Form_Load(); };
    m.button(QStringLiteral("Command1")).onClick = [this] { Command1_Click(); };
    m.button(QStringLiteral("Command2")).onClick = [this] { Command2_Click(); };
    m.button(QStringLiteral("Command3")).onClick = [this] { Command3_Click(); };
    c_.form1().button(QStringLiteral("Command9")).onClick = [this] { Command9_Click(); };
}

void MiniInfo::Form_Load() {
    Form& m = c_.form2();
    // Centred by the same pixel arithmetic as the main window.
    const float screenPx = float(c_.platform().screen.size().width());
    const float leftPx = (screenPx - float(m.width()) / kTwipsPerPixel) / 2;
    m.setLeft(int(std::lround(leftPx * kTwipsPerPixel)));
    m.setTopMost(true);
}

void MiniInfo::Command9_Click() {
    Form& f = c_.form1();
    Form& m = c_.form2();
    f.setEnabled(false);
    f.setVisible(false);
    m.setEnabled(true);
    m.setVisible(true);
    c_.metarDecoder().mirrorToMiniInfo();
    c_.form5().setVisible(false);
}

void MiniInfo::backToMainWindow() {
    Form& f = c_.form1();
    Form& m = c_.form2();
    m.setEnabled(false);
    m.setVisible(false);
    f.setEnabled(true);
    f.setVisible(true);
}

void MiniInfo::Command1_Click() {
    backToMainWindow();
}

void MiniInfo::Command2_Click() {
    Form& m = c_.form2();
    m.setFocus(m.button(QStringLiteral("Command1")));
    backToMainWindow();
    // Only the strips come out; the fold state stays as it was.
    Form& f = c_.form1();
    f.label(QStringLiteral("Label1")).setCaption(QStringLiteral("Flugstreifen"));
    f.setHeight(kUnfoldedHeight);
    f.label(QStringLiteral("Label3")).setVisible(true);
    f.label(QStringLiteral("Label1")).setVisible(true);
}

void MiniInfo::Command3_Click() {
    Form& m = c_.form2();
    m.setFocus(m.button(QStringLiteral("Command1")));
    Button& toggle = m.button(QStringLiteral("Command3"));
    if (toggle.caption() == QLatin1String("mini")) {
        toggle.setCaption(QStringLiteral("norm"));
        m.setTop(kRaisedTop);
    } else if (toggle.caption() == QLatin1String("norm")) {
        toggle.setCaption(QStringLiteral("mini"));
        m.setTop(0);
    }
    m.setTopMost(true);
}

} // namespace vellaro
