#include "flightlog/TodaysFlightsWindow.h"

namespace vellaro {

void TodaysFlightsWindow::build(Form& f) {
    f.setCaption(QStringLiteral("Heute"));
    // Client area 8790 x 2385 inside the frame.
    f.setWidth(8880);
    f.setHeight(2775);
    auto& list = f.add<TextBox>(QStringLiteral("Text1"));
    list.setGeometry(105, 105, 8655, 1770);
    list.setMultiLine(true);
    list.setScrollBars(true);
    list.setFixedBoldFont(true);
    list.setForeColor(0xC00000);
    list.setBackColor(0xC0FFFF);
    auto& title = f.add<Label>(QStringLiteral("Label1"));
    title.setCaption(QStringLiteral("Alle Flugstreifen von heute"));
    title.setGeometry(105, 1960, 3210, 330);
    title.setForeColor(kRed);
    auto& count = f.add<Label>(QStringLiteral("Label2"));
    count.setGeometry(5880, 1965, 2745, 330);
    count.setForeColor(0xFF0000);
    auto& back = f.add<Button>(QStringLiteral("Command1"));
    back.setCaption(QString::fromUtf8("zurück"));
    back.setGeometry(3360, 1920, 2385, 405);
    f.add<Timer>(QStringLiteral("Timer1")).setInterval(200);
}

} // namespace vellaro
