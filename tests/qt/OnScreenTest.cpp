#include "Desk.h"

#include <QScreen>

using namespace vellaro;

namespace {

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// The console sees the screen as the desktop program tells it: Qt's screen in pixels
// (at scale factor 2 half the device's). CTest runs this once more at that factor.
class OnScreen : public Desk {
  protected:
    void SetUp() override {
        services.screen.setSize(QGuiApplication::primaryScreen()->size());
        Desk::SetUp();
        area = view(form1()).screen()->availableGeometry();
    }
    // Shown, wholly on the screen, and as large as its form says.
    void expectOnScreen(const Form& f) const {
        const qt::FormView& v = view(f);
        EXPECT_TRUE(v.isVisible()) << f.name().toStdString();
        EXPECT_TRUE(area.contains(v.frameGeometry()))
            << f.name().toStdString() << " at " << text(v.frameGeometry()).toStdString() << " on "
            << text(area).toStdString();
        EXPECT_EQ(v.frameGeometry().size(),
                  QSize(qt::toPixels(f.width()), qt::toPixels(f.height())))
            << f.name().toStdString();
    }

    QRect area;
};

TEST_F(OnScreen, EveryWindowLiesWhollyOnTheScreenOfTheMainWindow) {
    expectOnScreen(form1());

    // Ground-Info, right of the console, which may already reach the screen's edge.
    Form& ground = console->form4();
    form1().button(QStringLiteral("Command36")).userClick();
    expectOnScreen(ground);
    // The console's own placement is untouched; only the window came inward.
    EXPECT_EQ(ground.left(), form1().left() + form1().width());
    ground.label(QStringLiteral("Label1")).userClick(); // down the screen
    EXPECT_EQ(ground.top(), 11595);
    expectOnScreen(ground);

    // Today's flights, under the unfolded console.
    form1().button(QStringLiteral("Command8")).userClick();
    form1().button(QStringLiteral("Command5")).userClick();
    expectOnScreen(console->form3());

    // The chart window, under the console.
    form1().text(QStringLiteral("Text4")).setText(QStringLiteral("26R"));
    clickInto(widget(form1().text(QStringLiteral("Text9"), 1)));
    expectOnScreen(console->form5());

    // Raised and moved right ("Next Squawk"): inward sideways, the top stays above
    // the edge as the console put it.
    form1().label(QStringLiteral("Label4")).userDblClick();
    EXPECT_EQ(form1().left(), 7200);
    const QRect main = view(form1()).frameGeometry();
    EXPECT_EQ(main.top(), -20);
    EXPECT_LE(main.right(), area.right());
    EXPECT_GE(main.left(), area.left());

    // Mini-Info in place of the main window.
    form1().button(QStringLiteral("Command9")).userClick();
    expectOnScreen(console->form2());
}
