#include "core/GroundInfoWindow.h"

namespace vellaro {

void GroundInfoWindow::build(Form& f) {
    f.setCaption(QStringLiteral("Ground-Info"));
    f.setWidth(2460);
    f.setHeight(4170);
    auto& header = f.add<Label>(QStringLiteral("Label1"));
    header.setCaption(QStringLiteral("Callsign       cl   st  tx   t/o"));
    header.setGeometry(0, 0, 2400, 210);
    for (int i = 0; i < kGroundRows; ++i) {
        const int top = 210 + 315 * i;
        f.add<TextBox>(QStringLiteral("Text1"), i).setGeometry(0, top, 960, 285);
        f.add<CheckBox>(QStringLiteral("Check1"), i).setGeometry(1050, top, 225, 225);
        f.add<CheckBox>(QStringLiteral("Check2"), i).setGeometry(1365, top, 225, 225);
        f.add<CheckBox>(QStringLiteral("Check3"), i).setGeometry(1680, top, 225, 225);
        auto& del = f.add<Button>(QStringLiteral("Command1"), i);
        del.setCaption(QString::fromUtf8("Lö"));
        del.setGeometry(1995, top, 330, 225);
        if (i == 0) {
            del.setToolTip(QString::fromUtf8("Löscht den Eintrag"));
        }
    }
    auto& zap = f.add<Button>(QStringLiteral("Command2"));
    zap.setCaption(QStringLiteral("ZAP"));
    zap.setToolTip(QStringLiteral("Leerzeilen werden raus gefiltert"));
    zap.setGeometry(0, 3360, 1905, 285);
    auto& all = f.add<Button>(QStringLiteral("Command3"));
    all.setCaption(QStringLiteral("A"));
    all.setToolTip(QString::fromUtf8("Löscht alle Einträge"));
    all.setGeometry(1995, 3360, 330, 285);
}

} // namespace vellaro
