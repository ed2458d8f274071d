#include "core/ChartWindow.h"

#include "core/MainWindow.h"

namespace vellaro {

void ChartWindow::build(Form& f) {
    f.setCaption(QStringLiteral("SID"));
    f.setWidth(8415);
    f.setHeight(5685);
    // Shown while the controller types a route; the keys stay in the main window.
    f.setActivatesWhenShown(false);
    const QString tip = QStringLiteral("Es können eigene Bilder gemalt werden, und müssen unter "
                                       "dem Namen sideast.bmp & sidwest.bmp vorhanden sein!");
    struct Chart {
        const char* name;
        const char* builtin;
        int wPx, hPx, wTw, hTw;
        bool visible;
    };
    const Chart charts[] = {{"Picture1", "sidwest", 571, 399, 8415, 5685, true},
                            {"Picture2", "sideast", 571, 369, 8520, 5370, false},
                            {"Picture3", "edbb", 339, 647, 8520, 5370, false}};
    for (const Chart& ch : charts) {
        auto& p = f.add<PictureBox>(QString::fromLatin1(ch.name));
        p.setGeometry(0, 0, ch.wTw, ch.hTw);
        p.setToolTip(tip);
        p.setBuiltinPicture(QString::fromLatin1(ch.builtin), ch.wPx * kTwipsPerPixel,
                            ch.hPx * kTwipsPerPixel);
        p.setVisible(ch.visible);
    }
    // Airport rings: Shape1 on the east chart, Shape2 on the west chart.
    for (const auto& [name, container] :
         {std::pair{"Shape1", "Picture2"}, std::pair{"Shape2", "Picture1"}}) {
        auto& s = f.add<Shape>(QString::fromLatin1(name));
        s.setShapeType(ShapeType::Circle);
        s.setFilled(false);
        s.setBorderWidth(3);
        s.setForeColor(kRed);
        s.setContainer(QString::fromLatin1(container));
        s.setGeometry(7080, 120, 615, 615);
    }
}

} // namespace vellaro
