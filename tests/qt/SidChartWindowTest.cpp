#include "Desk.h"

#include "platform/qt/ControlWidgets.h"

#include <QImage>
#include <QLineEdit>

using namespace vellaro;

namespace {

// Fraction of pixels two pictures of one size share.
double sameShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) {
        return 0;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 same = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            same += x.pixel(col, row) == y.pixel(col, row) ? 1 : 0;
        }
    }
    return double(same) / (double(x.width()) * x.height());
}

} // namespace

// Entering a route box with the landing runway 26R brings the east chart up under
// the console; a click on the chart puts it away.
TEST_F(Desk, SidChartOpensUnderTheMainWindowAndClosesOnAClick) {
    Form& charts = console->form5();
    qt::FormView& main = view(form1());
    qt::FormView& chart = view(charts);
    form1().text(QStringLiteral("Text4")).setText(QStringLiteral("26R"));
    ASSERT_FALSE(chart.isVisible());

    clickInto(widget(form1().text(QStringLiteral("Text9"), 1)));
    ASSERT_TRUE(chart.isVisible());
    EXPECT_EQ(form1().focused(), &form1().text(QStringLiteral("Text9"), 1));
    // The chart is only looked at: it does not take the keyboard from the route box
    // (the offscreen platform activates every window; e2e/sid_chart.sh types on X11).
    EXPECT_TRUE(chart.testAttribute(Qt::WA_ShowWithoutActivating));
    // Directly under the main window's frame, left edges in line.
    EXPECT_EQ(chart.frameGeometry().top(), main.frameGeometry().bottom() + 1);
    EXPECT_EQ(chart.frameGeometry().left(), main.frameGeometry().left());
    EXPECT_EQ(chart.frameGeometry().size(), QSize(571, 369));

    auto* east = widgetAs<qt::PictureView>(charts.picture(QStringLiteral("Picture2")));
    auto* west = widgetAs<qt::PictureView>(charts.picture(QStringLiteral("Picture1")));
    ASSERT_NE(east, nullptr);
    ASSERT_NE(west, nullptr);
    EXPECT_TRUE(east->isVisible());
    EXPECT_FALSE(west->isVisible());
    // The east chart as drawn for the console, not a blank sheet.
    const QImage shown = east->grab().toImage();
    const QImage drawn(QStringLiteral(":/charts/sideast.png"));
    ASSERT_EQ(drawn.size(), QSize(571, 369));
    EXPECT_GT(sameShare(shown.copy(0, 0, 400, 300), drawn.copy(0, 0, 400, 300)), 0.95);
    QImage blank(drawn.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_LT(sameShare(shown, blank), 0.5);

    QTest::mouseClick(east, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_FALSE(charts.visible());
    EXPECT_FALSE(chart.isVisible());
}

// The controller's own sidwest.bmp is shown instead of the built-in west chart.
class DeskWithOwnChart : public Desk {
  protected:
    void SetUp() override {
        QImage own(60, 40, QImage::Format_RGB32);
        own.fill(QColor(0x20, 0x80, 0xE0));
        ASSERT_TRUE(own.save(dir.filePath(QStringLiteral("sidwest.bmp")), "BMP"));
        Desk::SetUp();
    }
};

TEST_F(DeskWithOwnChart, OwnPictureReplacesTheBuiltInChart) {
    Form& charts = console->form5();
    form1().text(QStringLiteral("Text4")).setText(QStringLiteral("08L"));
    clickInto(widget(form1().text(QStringLiteral("Text9"), 0)));
    auto* west = widgetAs<qt::PictureView>(charts.picture(QStringLiteral("Picture1")));
    ASSERT_NE(west, nullptr);
    ASSERT_TRUE(west->isVisible());
    EXPECT_EQ(west->image().size(), QSize(60, 40));
    EXPECT_EQ(west->image().pixelColor(30, 20), QColor(0x20, 0x80, 0xE0));
    EXPECT_EQ(view(charts).frameGeometry().size(), QSize(60, 40));
    // The east chart keeps the built-in one.
    auto* east = widgetAs<qt::PictureView>(charts.picture(QStringLiteral("Picture2")));
    EXPECT_EQ(east->image().size(), QSize(571, 369));
}
