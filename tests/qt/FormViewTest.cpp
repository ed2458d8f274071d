#include "Desk.h"

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/TextWidgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

using namespace vellaro;

TEST_F(Desk, MainWindowStandsWhereTheFormSaysInPixels) {
    qt::FormView& v = view(form1());
    ASSERT_TRUE(v.isVisible());
    // 11220 x 1760 twips, centred on a 1024 pixel screen, at the top edge.
    EXPECT_EQ(v.frameGeometry(), QRect(138, 0, 748, 117));
    EXPECT_EQ(v.windowTitle(), form1().caption());
    // Sized by the console alone: fixed, and no maximise button.
    EXPECT_EQ(v.minimumSize(), v.maximumSize());
    EXPECT_FALSE(v.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(v.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Desk, MainWindowFollowsTheDisplayModesAtOnce) {
    qt::FormView& v = view(form1());
    // Everything on the level of strip row 6: its five boxes and its buttons.
    const QRect callsign = widget(form1().text(QStringLiteral("Text7"), 6))->geometry();
    QList<QWidget*> row6;
    for (QWidget* w : v.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qt::ControlView::of(w) != nullptr && w->isVisibleTo(&v) &&
            callsign.contains(QPoint(callsign.center().x(), w->geometry().center().y()))) {
            row6 << w;
        }
    }
    ASSERT_GE(row6.size(), 8);

    form1().setHeight(5580); // unfolded
    EXPECT_EQ(v.frameGeometry().size(), QSize(748, 372));
    for (QWidget* w : row6) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(v.rect().contains(w->geometry())) << w->metaObject()->className();
    }

    form1().setHeight(1760); // folded: row 6 lies below the window's edge
    EXPECT_EQ(v.frameGeometry().size(), QSize(748, 117));
    for (QWidget* w : row6) {
        EXPECT_FALSE(v.rect().intersects(w->geometry()));
    }

    // One-strip: pushed above the screen's top edge, not clamped to it.
    form1().setTop(-2040);
    form1().setHeight(2335);
    EXPECT_EQ(v.frameGeometry(), QRect(138, -136, 748, 156));
    // Hidden and shown again, it comes back where it was.
    form1().setVisible(false);
    form1().setVisible(true);
    EXPECT_EQ(v.frameGeometry(), QRect(138, -136, 748, 156));
    // Raised and moved right: at 480 it would reach past the screen's right edge, so it
    // stops at the edge; the form keeps its 7200.
    form1().setTop(-300);
    form1().setLeft(7200);
    EXPECT_EQ(v.frameGeometry(), QRect(1024 - 748, -20, 748, 156));
    EXPECT_EQ(form1().left(), 7200);
}

// A real click on "DEP" unfolds the window to its seven rows, and a second folds it.
TEST_F(Desk, DepButtonUnfoldsAndFoldsTheRealWindow) {
    qt::FormView& v = view(form1());
    QWidget* dep = widget(form1().button(QStringLiteral("Command8")));
    ASSERT_NE(dep, nullptr);
    QTest::mouseClick(dep, Qt::LeftButton);
    EXPECT_EQ(v.frameGeometry().size(), QSize(748, 372));
    for (int row = 0; row < 7; ++row) {
        QWidget* callsign = widget(form1().text(QStringLiteral("Text7"), row));
        EXPECT_TRUE(callsign->isVisible()) << row;
        EXPECT_TRUE(v.rect().contains(callsign->geometry())) << row;
    }
    EXPECT_TRUE(widget(form1().label(QStringLiteral("Label1")))->isVisible());

    QTest::mouseClick(dep, Qt::LeftButton);
    EXPECT_EQ(v.frameGeometry().size(), QSize(748, 117));
    EXPECT_FALSE(widget(form1().label(QStringLiteral("Label1")))->isVisible());
}

TEST_F(Desk, ControlsStandAtTheirTwipsDividedByFifteen) {
    // Row 2 of the strip board: callsign box 120, 2520, 2175 x 360 twips.
    QWidget* callsign = widget(form1().text(QStringLiteral("Text7"), 2));
    ASSERT_NE(callsign, nullptr);
    EXPECT_EQ(callsign->geometry(), QRect(8, 168, 145, 24));

    Button& dep = form1().button(QStringLiteral("Command5"));
    dep.setTop(1365);
    EXPECT_EQ(widget(dep)->geometry().top(), 91);
    dep.setGeometry(150, 300, 900, 450);
    EXPECT_EQ(widget(dep)->geometry(), QRect(10, 20, 60, 30));
}

TEST_F(Desk, VisibilityTooltipsCaptionsAndValuesFollowTheControls) {
    form1().setHeight(5580);
    Label& strips = form1().label(QStringLiteral("Label1"));
    QWidget* w = widget(strips);
    EXPECT_FALSE(w->isVisible()); // hidden by the start-up
    strips.setVisible(true);
    EXPECT_TRUE(w->isVisible());
    strips.setCaption(QStringLiteral("Flugstreifen!"));
    EXPECT_EQ(static_cast<QLabel*>(w)->text(), QStringLiteral("Flugstreifen!"));

    Button& help = form1().button(QStringLiteral("Command35"));
    EXPECT_EQ(widget(help)->toolTip(), QString::fromUtf8("Hilfe Menü"));
    help.setToolTip(QStringLiteral("anders"));
    EXPECT_EQ(widget(help)->toolTip(), QStringLiteral("anders"));
    help.setCaption(QStringLiteral("Hilfe"));
    EXPECT_EQ(widgetAs<QPushButton>(help)->text(), QStringLiteral("Hilfe"));
    help.setEnabled(false);
    EXPECT_FALSE(widget(help)->isEnabled());

    CheckBox& onTop = form1().check(QStringLiteral("Check1"));
    EXPECT_TRUE(widgetAs<QCheckBox>(onTop)->isChecked());
    onTop.setValue(0);
    EXPECT_FALSE(widgetAs<QCheckBox>(onTop)->isChecked());

    TextBox& next = form1().text(QStringLiteral("Text13"));
    next.setText(QStringLiteral("4711"));
    EXPECT_EQ(widgetAs<QLineEdit>(next)->text(), QStringLiteral("4711"));
}

TEST_F(Desk, ColoursAreBgrAndDefaultReturnsToThePlatformColour) {
    TextBox& box = form1().text(QStringLiteral("Text8"), 3);
    QWidget* w = widget(box);
    const QColor platformText = w->palette().color(QPalette::Text);
    box.setForeColor(kRed); // &HFF is red
    EXPECT_EQ(w->palette().color(QPalette::Text), QColor(255, 0, 0));
    box.setBackColor(0xFF0000); // &HFF0000 is blue
    EXPECT_EQ(w->palette().color(QPalette::Base), QColor(0, 0, 255));
    box.setForeColor(kDefaultColour);
    EXPECT_EQ(w->palette().color(QPalette::Text), platformText);

    // Row 0's callsign box starts black on white.
    QWidget* first = widget(form1().text(QStringLiteral("Text7"), 0));
    EXPECT_EQ(first->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(first->palette().color(QPalette::Base), QColor(255, 255, 255));

    // The window: light grey under its texture.
    EXPECT_EQ(view(form1()).palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(Desk, LabelsLieUnderBoxesAndLaterLabelsOverEarlierOnes) {
    form1().setHeight(5580);
    qt::FormView& v = view(form1());
    // The fold area Label10 spans the initial climb box: the box stays clickable.
    QWidget* climb = widget(form1().text(QStringLiteral("Text12")));
    EXPECT_EQ(v.childAt(climb->geometry().center()), climb);
    // Where the METAR line and the fold area overlap, the fold area takes the click
    // and, being transparent, lets the METAR text show.
    QWidget* fold = widget(form1().label(QStringLiteral("Label10")));
    EXPECT_EQ(v.childAt(QPoint(20, 310)), fold);
    EXPECT_FALSE(fold->autoFillBackground());
    // The red marker shape lies under the AutoAtis button it frames.
    QWidget* autoAtis = widget(form1().button(QStringLiteral("Command40")));
    EXPECT_EQ(v.childAt(autoAtis->geometry().center()), autoAtis);
}

TEST_F(Desk, SideWindowsShowAndHideWithTheirForms) {
    Form& ground = console->form4();
    qt::FormView& g = view(ground);
    EXPECT_FALSE(g.isVisible());
    ground.setVisible(true);
    EXPECT_TRUE(g.isVisible());
    EXPECT_EQ(g.windowTitle(), QStringLiteral("Ground-Info"));
    // Right of the main window, as far as the 1024 pixel screen allows.
    EXPECT_EQ(ground.left(), (138 + 748) * 15);
    EXPECT_EQ(g.frameGeometry().topLeft(), QPoint(1024 - g.frameGeometry().width(), 0));
    EXPECT_TRUE(g.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The green two-column marking of start-up.
    QWidget* cl = widget(ground.check(QStringLiteral("Check1"), 4));
    EXPECT_EQ(cl->palette().color(QPalette::Window), QColor(0, 255, 0));

    // Closing it by the window system only hides it.
    g.close();
    EXPECT_FALSE(ground.visible());
    EXPECT_FALSE(g.isVisible());
    EXPECT_FALSE(console->ended());
}

TEST_F(Desk, ChartShapesSitOnTheirPictureBoxes) {
    Form& charts = console->form5();
    QWidget* ring = widget(charts.shape(QStringLiteral("Shape1")));
    EXPECT_EQ(ring->parentWidget(), widget(charts.picture(QStringLiteral("Picture2"))));
    // The built-in chart is drawn at its natural size when no file was loaded.
    auto* west = widgetAs<qt::PictureView>(charts.picture(QStringLiteral("Picture1")));
    ASSERT_NE(west, nullptr);
    EXPECT_EQ(west->image().size(), QSize(571, 399));
}

TEST_F(Desk, TopMostChangesWithoutHidingTheWindow) {
    qt::FormView& v = view(form1());
    EXPECT_TRUE(v.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form1().setTopMost(false);
    EXPECT_TRUE(v.isVisible());
    EXPECT_FALSE(v.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(v.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    form1().setTopMost(true);
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(v.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(Desk, ClosingTheMainWindowShutsTheConsoleDown) {
    int ended = 0;
    console->onEnded = [&] { ++ended; };
    view(form1()).close();
    EXPECT_TRUE(console->ended());
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(view(form1()).isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("squawk.txt"))));
}

TEST_F(Desk, MinimizingGoesBothWays) {
    Form& ground = console->form4();
    ground.setVisible(true);
    qt::FormView& g = view(ground);
    g.showMinimized(); // the user, through the window system
    EXPECT_EQ(ground.windowState(), 1);
    ground.setWindowState(0); // the console restores it
    EXPECT_FALSE(g.isMinimized());
    EXPECT_TRUE(g.isVisible());
}

TEST_F(Desk, ClosingTheOnlyShownSideWindowBringsTheMainWindowBack) {
    // The main window put away for the Mini-Info window, which is then closed by
    // the window system instead of "Back": the controller must not be left with none.
    form1().setEnabled(false);
    form1().setVisible(false);
    console->form2().setVisible(true);
    view(console->form2()).close();
    EXPECT_FALSE(console->form2().visible());
    EXPECT_TRUE(form1().visible());
    EXPECT_TRUE(form1().enabled());
    EXPECT_TRUE(view(form1()).isVisible());
}

TEST(MemoPositions, CrLfCountsTwiceInTheControlAndOnceInTheWidget) {
    const QString t = QStringLiteral("ab\r\ncd\r\n");
    EXPECT_EQ(qt::BoxMemo::toView(t), QStringLiteral("ab\ncd\n"));
    EXPECT_EQ(qt::BoxMemo::toViewPos(t, 2), 2);
    EXPECT_EQ(qt::BoxMemo::toViewPos(t, 4), 3);
    EXPECT_EQ(qt::BoxMemo::toViewPos(t, 8), 6);
    EXPECT_EQ(qt::BoxMemo::toModelPos(t, 3), 4);
    EXPECT_EQ(qt::BoxMemo::toModelPos(t, 6), 8);
    EXPECT_EQ(qt::BoxMemo::toModelPos(t, 99), 8);
}

TEST_F(Desk, MultiLineBoxesShowLinesAndTakeEditsBackWithCrLf) {
    TextBox& info = form1().text(QStringLiteral("Text21"));
    info.setText(QStringLiteral("EDDT 119.62\r\nEDDI 120.4"));
    auto* memo = widgetAs<QPlainTextEdit>(info);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("EDDT 119.62\nEDDI 120.4"));
    EXPECT_EQ(memo->textCursor().position(), 0);
    info.setSelStart(13); // after the CR LF
    EXPECT_EQ(memo->textCursor().position(), 12);
    // Typing at the caret goes through the control.
    form1().setFocus(info);
    QTest::keyClicks(memo, QStringLiteral("X"));
    EXPECT_EQ(info.text(), QStringLiteral("EDDT 119.62\r\nXEDDI 120.4"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("EDDT 119.62\nXEDDI 120.4"));
}

TEST_F(Desk, AWindowTheUserMovesTellsItsFormWhereItStands) {
    qt::FormView& v = view(form1());
    form1().setTop(-300); // raised above the screen edge by the console
    QTest::qWait(600);    // the window system has long answered
    v.move(40, 60);       // then the user drags it down
    QTRY_COMPARE(form1().left(), 40 * 15);
    EXPECT_EQ(form1().top(), 60 * 15);
    // Raising it again must move it again, although the console wrote -300 before.
    form1().setTop(-300);
    EXPECT_EQ(v.frameGeometry().top(), -20);
}

namespace {

// The control whose widget the user would hit at a point of the control, in twips.
const Control* hitAt(qt::FormView& v, const Control& c, int left, int top) {
    QWidget* w = v.childAt(QPoint(c.left() + left, c.top() + top) / kTwipsPerPixel);
    qt::ControlView* view = w != nullptr ? qt::ControlView::of(w) : nullptr;
    return view != nullptr ? &view->control() : nullptr;
}

} // namespace

// Widgets of controls below the folded window's edge come when the window grows
// to them, stacked as if they had been there from the start.
TEST_F(Desk, RowsBelowTheFoldAreThereOnceTheWindowUnfolds) {
    qt::FormView& v = view(form1());
    const TextBox& row6 = form1().text(QStringLiteral("Text7"), 6);
    form1().setHeight(5580);
    EXPECT_EQ(hitAt(v, row6, 300, 150), &row6);
}

TEST_F(Desk, AControlMovingIntoTheWindowComesWithItsWidget) {
    qt::FormView& v = view(form1());
    TextBox& help = form1().text(QStringLiteral("Text15"));
    help.setTop(0);
    // Over the weather boxes of the folded window, in front of them.
    EXPECT_EQ(hitAt(v, help, 300, 300), &help);
}
