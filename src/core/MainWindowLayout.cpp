#include "core/MainWindowLayout.h"

#include "core/MainWindow.h"

namespace vellaro {

namespace {

struct ButtonSpec {
    const char* name;
    const char* caption;
    const char* tip;
    int left, top, width, height;
};

struct LabelSpec {
    const char* name;
    const char* caption;
    const char* tip;
    int left, top, width, height;
    bool visible;
};

struct BoxSpec {
    const char* name;
    const char* text;
    const char* tip;
    int left, top, width, height;
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// The rank of buttons of the top block and the buttons parked below the window.
const ButtonSpec kButtons[] = {
    {"Command8", "DEP", "Klappt die Flugstreifen auf", 6720, 105, 840, 285},
    {"Command53", "Strip", "Zeigt nur einen Strip an.", 6720, 700, 840, 255},
    {"Command54", ">", "Wechselt vom 1-Strip-Modus ind den Normal Modus", 10200, 1680, 375, 375},
    {"Command35", "Help", "Hilfe Menü", 10200, 735, 600, 285},
    {"Command39", "Timer", "Simpler Counter, kann für Separation benutzt werden", 9120, 1050, 900,
     255},
    {"Command5", "Heute", "", 9720, 4935, 855, 285},
    {"Command7", "Log", "Öffnet das LOG.FILE im Editor", 9720, 4620, 855, 285},
    {"Command19", "A", "Löscht alle Flugstreifen", 10680, 4620, 375, 375},
    {"Command18", "ATIS", "Holt sich den ATIS aus der Zwischenablage (Clipboard)", 7665, 105, 600,
     240},
    {"Command40", "AutoAtis",
     "Auto Atis, holt sich den ATIS über das Internet, alle 10 Minuten, und schreibt ihn auch in "
     "die Zwischenablage",
     7665, 360, 1260, 240},
    {"Command41", "3", "Zeigt Wind und QNH von EDDT EDDI EDDB und aktive Runways", 8295, 105, 375,
     240},
    {"Command10", "TW", "Bereitet den ATIS für den Pro-Controller vor", 7665, 610, 420, 285},
    {"Command37", "AP", "Bereitet den ATIS für den Pro-Controller vor", 8085, 610, 420, 285},
    {"Command34", "CE", "Bereitet den ATIS für den Pro-Controller vor", 8505, 610, 420, 285},
    {"Command9", "Mini", "Zeigt das Mini-Info-Fenster an", 9120, 735, 900, 285},
    {"Command38", "S", "Aktiviert den Start-Squawk", 9480, 250, 330, 330},
    {"Command20", "L", "Aktiviert den letzten frei zu vergebenden Squawk", 10800, 250, 330, 330},
    {"Command3", "Controller", "Zeigt alle aktiven Controller für Berlin an", 5400, 420, 1215, 285},
    {"Command42", "", "", 9870, 8505, 375, 285},
    {"Command4", "U", "Nach einem Update im Internet fragen", 9060, 315, 330, 330},
    {"Command1", "ATC", "", 105, 1080, 615, 255},
    {"Command2", "Con", "", 2040, 1050, 555, 285},
    {"Command6", "ILS-Info", "Gibt ILS-Infos über Tegel, Tempelhof und Schönefeld", 5400, 735, 1215,
     285},
    {"Command43", "IFR / VFR", "Zeigt die FL's für IFR und VFR Flüge an", 5400, 105, 1215, 285},
    {"Command36", "GND", "Zeigt das Gound-Info-Fenster", 6720, 400, 840, 285},
    {"Command44", "R", "Released", 5400, 1050, 330, 240},
    {"Command45", "N", "Negative, ", 5790, 1050, 330, 240},
    {"Command46", "C", "Contact Berlin Approach on 119.62 !!!!!", 6170, 1050, 330, 240},
    {"Command47", "R", "", 11235, 0, 330, 345},
    {"Command48", "R", "", 11235, 360, 330, 345},
    {"Command51", "C", "", 11235, 735, 330, 345},
    {"Command52", "C", "", 11235, 1100, 330, 345},
    {"Command49", "R1C", "", 10920, 7140, 615, 375},
    {"Command50", "R2C", "", 10920, 7560, 615, 375},
};

const BoxSpec kBoxes[] = {
    {"Text1", "", "", 105, 315, 840, 495},
    {"Text2", "", "", 1050, 315, 630, 495},
    {"Text3", "", "", 1785, 315, 1050, 495},
    {"Text4", "", "", 2950, 315, 735, 495},
    {"Text5", "", "", 3780, 315, 735, 495},
    {"Text6", "EDDT",
     "Hier wird der ICAO für den ATIS eingetragen (dann auf AutoAtis drücken), und danach steht "
     "hier die Zeit vom ATIS",
     7665, 945, 945, 285},
    {"Text18", "-", "ATIS Information A-Z", 8610, 945, 315, 285},
    {"Text13", "", "", 9840, 210, 900, 405},
    {"Text12", "4000", "", 4440, 4780, 735, 330},
    {"Text16", "", "", 5760, 4620, 3855, 540},
    {"Text17", "", "", 3720, 4780, 690, 360},
    {"Text23", "", "", 0, 1320, 11145, 360},
    {"Text15", "", "", 1995, 6090, 7575, 5250},
    {"Text19", "", "", 0, 8190, 5320, 975},
    {"Text20", "", "", 2415, 6480, 2430, 2900},
    {"Text21", "", "", 0, 6825, 5295, 1390},
    {"Text22", "Ja, das Update V4.0 liegt vor !", "", 105, 6090, 4410, 615},
};

const LabelSpec kLabels[] = {
    // The white copy lies under the header, so the header reads as engraved.
    {"Label15", "  Wind      kts        QNH        Land  TakeOff", "", 135, 20, 4500, 285, true},
    {"Label14", "  Wind      kts        QNH        Land  TakeOff", "", 105, 0, 4500, 285, true},
    {"Label8", "",
     "Wenn DBL-Click, dann steht der komplette ATIS in der Zwischenablage plus "
     "RW-Channel",
     4620, 315, 855, 285, true},
    {"Label2", "", "Der TL (Transition Level) wird automatisch berechnet", 4620, 630, 855, 285,
     true},
    {"Label21", "Start", "Altimeter in inches", 10080, 1050, 855, 255, true},
    {"Label17", "", "", 8925, 945, 150, 285, true},
    {"Label18", "", "Roger-Wilko / Team-Speak Channel", 6720, 960, 855, 255, true},
    {"Label19", "OK", "", 6720, 960, 855, 255, false},
    {"Label26", "", "", 2280, 1680, 120, 345, false},
    {"Label9", "Neuer ATIS liegt vor", "", 5400, 1080, 1695, 255, false},
    {"Label16", "", "", 120, 4620, 5535, 255, true},
    {"Label4", "Next Squawk", "", 9480, 0, 1215, 225, true},
    {"Label5", "", "", 840, 1080, 1215, 255, true},
    {"Label7", "", "", 2625, 1080, 1815, 255, true},
    {"Label20", "", "", 100, 11865, 6840, 360, true},
    {"Label22", "Check enroute FL", "", 5760, 1365, 3855, 260, false},
    {"Label3", "initial climb", "", 4200, 4560, 1095, 225, true},
    {"Label23", "", "", 4810, 1730, 120, 300, true},
    {"Label11", "fli plan rout  /  PB-ST", "", 4305, 1080, 2295, 255, true},
    {"Label12", "APP", "", 1680, 1365, 495, 255, false},
    {"Label13", " PILOT", "", 9555, 1365, 735, 255, false},
    {"Label1", "Flugstreifen", "", 5775, 4725, 1500, 255, true},
    {"Label6",
     "            Callsign                    Dest               via         Squawk              "
     "           Remarks",
     "", 120, 1365, 9495, 255, true},
    {"Label27", "", "", 2280, 1680, 255, 345, true},
    {"Label24", "", "", 0, 1680, 255, 375, true},
    {"Label25", "", "", 0, 2520, 255, 375, true},
    {"Label10", "", "Hier anklicken, um die Flugstreifen wieder zu verstecken", 105, 4620, 9495,
     615, true},
    {"Label28", "Link", "", 10845, 765, 345, 240, true},
};

const char* const kCombo1[] = {"IFR 000°-179°", "FL50",  "FL70",  "FL90",  "FL110", "FL130",
                               "FL150",         "FL170", "FL190", "FL210", "FL230", "FL250",
                               "FL270",         "FL290", "FL310", "FL330", "FL350", "FL370",
                               "FL390",         "FL410", "FL450", "FL490"};
const char* const kCombo2[] = {"IFR 180°-359°", "FL40",  "FL60",  "FL80",  "FL100", "FL120",
                               "FL140",         "FL160", "FL180", "FL200", "FL220", "FL240",
                               "FL260",         "FL280", "FL300", "FL320", "FL340", "FL360",
                               "FL380",         "FL400", "FL430", "FL470"};
const char* const kCombo3[] = {"VFR 180°-359°", "FL45",  "FL65",  "FL85",  "FL105", "FL125",
                               "FL145",         "FL165", "FL185", "FL205", "FL225", "FL245",
                               "FL265",         "FL285", "FL305", "FL325", "FL345", "FL365",
                               "FL385",         "FL405", "FL435", "FL475"};
const char* const kCombo4[] = {"VFR 000°-179°", "FL55",  "FL75",  "FL95",  "FL115", "FL135",
                               "FL155",         "FL175", "FL195", "FL215", "FL235", "FL255",
                               "FL275",         "FL295", "FL315", "FL335", "FL355", "FL375",
                               "FL395",         "FL415", "FL455", "FL495"};

template <std::size_t N>
void addCombo(Form& f, const char* name, int left, int width, const char* const (&items)[N]) {
    ComboBox& c = f.add<ComboBox>(u(name));
    c.setGeometry(left, 11880, width, 360);
    for (const char* item : items) {
        c.addItem(u(item));
    }
    c.setText(u(items[0]));
}

void addStripRows(Form& f) {
    struct Column {
        const char* name;
        int left;
        int width;
    };
    const Column columns[] = {{"Text7", 120, 2175},
                              {"Text8", 2400, 1215},
                              {"Text9", 3720, 1095},
                              {"Text10", 4920, 735},
                              {"Text11", 5760, 3855}};
    for (const Column& col : columns) {
        for (int row = 0; row < kStripRows; ++row) {
            TextBox& t = f.add<TextBox>(u(col.name), row);
            const int top = 1680 + 420 * row;
            const bool callsign = QLatin1String(col.name) == QLatin1String("Text7");
            const int left =
                (row == 0 && QLatin1String(col.name) == QLatin1String("Text8")) ? 2415 : col.left;
            t.setGeometry(left, top, col.width, callsign ? 360 : 375);
        }
    }
    // Row buttons: colour toggle "Fa", move to first "1.", delete "Lö".
    for (int row = 0; row < kStripRows; ++row) {
        const int top = 1680 + 420 * row;
        Button& a = f.add<Button>(u(kRowColourButtons[row]));
        a.setCaption(QStringLiteral("Fa"));
        a.setGeometry(9720, top, 375, 375);
        if (kRowFirstButtons[row] != nullptr) {
            Button& b = f.add<Button>(u(kRowFirstButtons[row]));
            b.setCaption(QStringLiteral("1."));
            b.setGeometry(10200, top, 375, 375);
        }
        Button& d = f.add<Button>(u(kRowDeleteButtons[row]));
        d.setCaption(u("Lö"));
        d.setGeometry(10680, top, 375, 375);
    }
}

} // namespace

QString mainWindowCaption() {
    return QStringLiteral("Vellaro - Berlin") + QString(13, QLatin1Char(' ')) +
           QStringLiteral("von Team Vellaro V7.7") + QString(17, QLatin1Char(' ')) +
           u("update über www.vellaro.de");
}

void buildMainWindow(Form& f) {
    f.setCaption(mainWindowCaption());
    f.setWidth(11220);
    f.setHeight(1760);
    f.setBackColor(0xC0C0C0);

    for (const ButtonSpec& s : kButtons) {
        Button& b = f.add<Button>(u(s.name));
        b.setCaption(u(s.caption));
        b.setToolTip(u(s.tip));
        b.setGeometry(s.left, s.top, s.width, s.height);
    }
    for (const BoxSpec& s : kBoxes) {
        TextBox& t = f.add<TextBox>(u(s.name));
        t.setText(u(s.text));
        t.setToolTip(u(s.tip));
        t.setGeometry(s.left, s.top, s.width, s.height);
    }
    for (const LabelSpec& s : kLabels) {
        Label& l = f.add<Label>(u(s.name));
        l.setCaption(u(s.caption));
        l.setToolTip(u(s.tip));
        l.setGeometry(s.left, s.top, s.width, s.height);
        l.setVisible(s.visible);
    }
    addStripRows(f);

    CheckBox& c1 = f.add<CheckBox>(QStringLiteral("Check1"));
    c1.setGeometry(9090, -105, 255, 255);
    c1.setToolTip(QStringLiteral("Wenn Haken, dann bleibt Fenster immer im Vordergrund"));
    c1.setValue(1);
    CheckBox& c2 = f.add<CheckBox>(QStringLiteral("Check2"));
    c2.setCaption(QStringLiteral("Check2"));
    c2.setGeometry(3410, 1365, 225, 240);
    c2.setToolTip(QStringLiteral("Auto Destination aktivieren/deaktivieren"));
    CheckBox& c3 = f.add<CheckBox>(QStringLiteral("Check3"));
    c3.setGeometry(8715, 105, 255, 240);
    c3.setToolTip(QStringLiteral("Wenn Haken, dann IVAO-METAR, sonst NOAA-Metar"));
    c3.setValue(1);

    addCombo(f, "Combo1", 1800, 1575, kCombo1);
    addCombo(f, "Combo2", 100, 1575, kCombo2);
    addCombo(f, "Combo3", 3480, 1695, kCombo3);
    addCombo(f, "Combo4", 5280, 1695, kCombo4);

    Shape& marker = f.add<Shape>(QStringLiteral("Shape1"));
    marker.setGeometry(7575, 345, 1430, 270);
    marker.setBackColor(kRed);

    // Thin separators of the top block.
    const int lines[][4] = {{0, 1320, 11220, 15}, {6660, 0, 15, 1320}, {7560, 0, 15, 1320}};
    for (int i = 0; i < 3; ++i) {
        f.add<Line>(QStringLiteral("Line%1").arg(i + 1))
            .setGeometry(lines[i][0], lines[i][1], lines[i][2], lines[i][3]);
    }

    struct TimerSpec {
        const char* name;
        int interval;
    };
    const TimerSpec timers[] = {{"Timer1", 1000}, {"Timer2", 60000}, {"Timer3", 500},
                                {"Timer4", 2000}, {"Timer5", 2000},  {"Timer6", 1000},
                                {"Timer7", 10},   {"Timer8", 30000}, {"Timer9", 5000}};
    for (const TimerSpec& s : timers) {
        f.add<Timer>(u(s.name)).setInterval(s.interval);
    }

    const MainWindow w(f);
    // Tab walks the weather block, then each strip row from callsign to remarks
    // before the next row; everything else follows in the order it was made.
    std::vector<Control*> order = {&w.Text1, &w.Text2, &w.Text3,  &w.Text4,
                                   &w.Text5, &w.Text6, &w.Text18, &w.Text13};
    for (int n = 0; n < kStripRows; ++n) {
        for (TextBox* box : w.row(n)) {
            order.push_back(box);
        }
    }
    order.push_back(&w.Text12);
    f.setTabOrder(std::move(order));
    w.Text7[0].setForeColor(kBlack);
    w.Text7[0].setBackColor(kWhite);
    // Look of the boxes and labels that are not plain.
    w.Text16.setMultiLine(true);
    w.Text16.setBackColor(0xFFFFC0);
    w.Text16.setVisible(false);
    w.Text17.setBackColor(0xFFFFC0);
    w.Text17.setVisible(false);
    w.Text23.setVisible(false);
    w.Text15.setMultiLine(true);
    // The help lies over the top block and the strip board.
    w.Text15.setInFront(true);
    w.Text19.setMultiLine(true);
    w.Text19.setBackColor(0xC0FFC0);
    w.Text19.setForeColor(0xFF0000);
    w.Text20.setMultiLine(true);
    w.Text20.setScrollBars(true);
    w.Text20.setBackColor(0xC0FFFF);
    w.Text20.setForeColor(0xFF00FF);
    w.Text21.setMultiLine(true);
    w.Text21.setBackColor(0xFF0000);
    w.Text21.setForeColor(0x00FFFF);
    w.Text22.setMultiLine(true);
    w.Text22.setBackColor(0xC0FFFF);
    w.Text22.setForeColor(0xFF0000);
    w.Label15.setForeColor(kWhite);
    w.Label15.setTransparent(true);
    w.Label14.setTransparent(true);
    w.Label22.setForeColor(kRed);
    w.Label22.setBackColor(0xC0FFC0);
    w.Label11.setForeColor(0x008000);
    w.Label12.setForeColor(kRed);
    w.Label13.setForeColor(kRed);
    w.Label27.setBackColor(0x00FFFF);
    for (Label* l : {&w.Label24, &w.Label25, &w.Label10, &w.Label17, &w.Label26}) {
        l->setTransparent(true);
    }
}

void startDesignTimers(MainWindow& w) {
    for (Timer* t : {&w.Timer2, &w.Timer3, &w.Timer5}) {
        t->setTimerEnabled(true);
    }
}

} // namespace vellaro
