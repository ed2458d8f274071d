#include "Desk.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

using namespace vellaro;

namespace {

// Counts a control's change events while keeping whatever handler a feature gave it.
void countChanges(TextBox& box, int& count) {
    auto feature = box.onChange.take();
    box.onChange = [&count, feature] {
        ++count;
        if (feature) {
            feature();
        }
    };
}

// What the window system delivers for a double click: press, release, press, the
// double click itself, release.
void doubleClick(QWidget* w, QPoint at = QPoint()) {
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

void waitPastDoubleClick() {
    QTest::qWait(QApplication::doubleClickInterval() + 150);
}

} // namespace

TEST_F(Desk, TypingIntoACallsignBoxReachesTheControlAndItsChangeHandler) {
    TextBox& callsign = form1().text(QStringLiteral("Text7"), 2);
    ASSERT_TRUE(console->files().replaceFile(QStringLiteral("airlines.txt"),
                                             {QStringLiteral("cfg Condor CFG")}));
    int changes = 0;
    countChanges(callsign, changes);
    auto* edit = widgetAs<QLineEdit>(callsign);
    ASSERT_NE(edit, nullptr);
    clickInto(edit);
    EXPECT_EQ(form1().focused(), &callsign);

    QTest::keyClicks(edit, QStringLiteral("Q7"));
    EXPECT_EQ(callsign.text(), QStringLiteral("Q7"));
    EXPECT_EQ(changes, 2); // one change per character, as typed
    EXPECT_EQ(edit->text(), callsign.text());
    EXPECT_EQ(callsign.selStart(), 2);
    EXPECT_EQ(edit->cursorPosition(), 2);

    // Caret moved by the user, then a character typed in the middle. Three characters
    // are an airline key to the box's interpreter (none here): it puts the caret behind
    // the text, and the widget follows.
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(callsign.selStart(), 1);
    QTest::keyClicks(edit, QStringLiteral("X"));
    EXPECT_EQ(callsign.text(), QStringLiteral("QX7"));
    EXPECT_EQ(callsign.selStart(), 3);
    EXPECT_EQ(edit->cursorPosition(), 3);

    // Backspace goes through the control; Delete and paste through Qt, then to it.
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(callsign.text(), QStringLiteral("Q7"));
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(callsign.text(), QStringLiteral("Q"));
    QGuiApplication::clipboard()->setText(QStringLiteral("LH"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(callsign.text(), QStringLiteral("QLH"));
    EXPECT_EQ(callsign.selStart(), 3);
    EXPECT_EQ(changes, 6);
}

TEST_F(Desk, AHandlersProgramWriteShowsInTheWidgetWithItsCaret) {
    TextBox& remarks = form1().text(QStringLiteral("Text11"), 1);
    TextBox& other = form1().text(QStringLiteral("Text11"), 4);
    takeOver(remarks.onChange, [&] {
        if (remarks.text() == QStringLiteral("ab")) {
            remarks.setText(QStringLiteral("Abflug")); // caret to 0
            other.setText(QStringLiteral("gesetzt"));
        } else if (remarks.text() == QStringLiteral("Abflugx")) {
            remarks.setText(QStringLiteral("Abflug X"));
            remarks.setSelStart(8); // this handler wants the caret at the end
        }
    });
    auto* edit = widgetAs<QLineEdit>(remarks);
    clickInto(edit);
    QTest::keyClicks(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->text(), QStringLiteral("Abflug"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_EQ(widgetAs<QLineEdit>(other)->text(), QStringLiteral("gesetzt"));

    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), QStringLiteral("Abflug X"));
    EXPECT_EQ(edit->cursorPosition(), 8);
    EXPECT_EQ(remarks.selStart(), 8);
}

TEST_F(Desk, TypingAInASquawkBoxShowsTheNextSquawkAndMovesTheFocus) {
    TextBox& squawk = form1().text(QStringLiteral("Text10"), 2);
    TextBox& next = form1().text(QStringLiteral("Text13"));
    auto* edit = widgetAs<QLineEdit>(squawk);
    clickInto(edit);
    QTest::keyClicks(edit, QStringLiteral("a"));
    // An empty Next Squawk box starts the sequence at 5051.
    EXPECT_EQ(edit->text(), QStringLiteral("5051"));
    EXPECT_EQ(edit->cursorPosition(), squawk.selStart());
    EXPECT_EQ(widgetAs<QLineEdit>(next)->text(), QStringLiteral("5052"));
    // The focus went to the row's remarks box, in the model and on the screen.
    TextBox& remarks = form1().text(QStringLiteral("Text11"), 2);
    EXPECT_EQ(form1().focused(), &remarks);
    EXPECT_EQ(QApplication::focusWidget(), widget(remarks));
}

TEST_F(Desk, TheFaButtonColoursTheRowsWidgets) {
    Button& fa = form1().button(QStringLiteral("Command28")); // row 2
    auto* button = widgetAs<QPushButton>(fa);
    form1().text(QStringLiteral("Text11"), 2).setText(QStringLiteral("Palma"));
    form1().text(QStringLiteral("Text9"), 2).setText(QStringLiteral("BRANE1L"));
    QTest::mouseClick(button, Qt::LeftButton);
    const QStringList boxes = {QStringLiteral("Text7"), QStringLiteral("Text8"),
                               QStringLiteral("Text9"), QStringLiteral("Text10"),
                               QStringLiteral("Text11")};
    for (const QString& name : boxes) {
        EXPECT_EQ(widget(form1().text(name, 2))->palette().color(QPalette::Text), QColor(255, 0, 0))
            << name.toStdString();
    }
    EXPECT_EQ(services.clipboard.text(),
              QStringLiteral("You're cleared to DEST Palma via BRANE1L DEP, flight planned route, "
                             "initial climb 4000ft, Squawk "));
    QTest::mouseClick(button, Qt::LeftButton);
    for (const QString& name : boxes) {
        EXPECT_EQ(widget(form1().text(name, 2))->palette().color(QPalette::Text), QColor(0, 0, 0))
            << name.toStdString();
    }
}

TEST_F(Desk, ADoubleClickDoesNotRunTheClickFirst) {
    Label& label = form1().label(QStringLiteral("Label17"));
    int clicks = 0;
    int doubles = 0;
    takeOver(label.onClick, [&] { ++clicks; });
    takeOver(label.onDblClick, [&] { ++doubles; });
    QWidget* w = widget(label);
    doubleClick(w);
    waitPastDoubleClick();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(doubles, 1);
    // A single click still arrives, once the double-click time is over.
    QTest::mouseClick(w, Qt::LeftButton);
    waitPastDoubleClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);

    // Without a double-click handler a click needs no wait, and a button's double
    // click is two clicks.
    Button& button = form1().button(QStringLiteral("Command44"));
    int pressed = 0;
    takeOver(button.onClick, [&] { ++pressed; });
    QTest::mouseClick(widget(button), Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    doubleClick(widget(button));
    EXPECT_EQ(pressed, 3);
}

TEST_F(Desk, DoubleClickOnATextBoxReachesItsHandler) {
    TextBox& callsign = form1().text(QStringLiteral("Text7"), 5);
    int doubles = 0;
    takeOver(callsign.onDblClick, [&] {
        ++doubles;
        callsign.setText(QString());
    });
    callsign.setText(QStringLiteral("BER123"));
    doubleClick(widget(callsign), QPoint(5, 5));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(widgetAs<QLineEdit>(callsign)->text(), QString());
}

TEST_F(Desk, EnterOrSpaceOnAFocusedButtonClicksIt) {
    // "R1C" lies out of view and is reached only by the keyboard.
    Button& r1c = form1().button(QStringLiteral("Command49"));
    int clicks = 0;
    takeOver(r1c.onClick, [&] { ++clicks; });
    form1().setFocus(r1c);
    EXPECT_EQ(QApplication::focusWidget(), widget(r1c));
    QTest::keyClick(widget(r1c), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(widget(r1c), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(widget(r1c), Qt::Key_Q);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Desk, KeysArriveWithTheClassicCodes) {
    TextBox& wind = form1().text(QStringLiteral("Text1"));
    QList<int> down;
    QList<int> press;
    takeOver(wind.onKeyDown, [&](int code) { down.append(code); });
    takeOver(wind.onKeyPress, [&](int& code) {
        press.append(code);
        if (code == 13) {
            code = 0;
        }
    });
    QWidget* w = widget(wind);
    clickInto(w);
    QTest::keyClick(w, Qt::Key_F1);
    QTest::keyClick(w, Qt::Key_F8);
    QTest::keyClick(w, Qt::Key_F12);
    QTest::keyClick(w, Qt::Key_Return);
    QTest::keyClick(w, Qt::Key_A);
    QTest::keyClick(w, Qt::Key_Backspace);
    EXPECT_EQ(down, (QList<int>{112, 119, 123, 13, 65, 8}));
    EXPECT_EQ(press, (QList<int>{13, 'a', 8}));
    // Function keys type nothing; the A typed and then taken back.
    EXPECT_EQ(wind.text(), QString());
}

TEST_F(Desk, FocusFollowsTheUserAndTheFormWithoutEcho) {
    TextBox& a = form1().text(QStringLiteral("Text9"), 1);
    TextBox& b = form1().text(QStringLiteral("Text9"), 3);
    QStringList events;
    takeOver(a.onGotFocus, [&] { events << QStringLiteral("a+"); });
    takeOver(a.onLostFocus, [&] { events << QStringLiteral("a-"); });
    takeOver(b.onGotFocus, [&] { events << QStringLiteral("b+"); });
    takeOver(b.onLostFocus, [&] { events << QStringLiteral("b-"); });

    clickInto(widget(a));
    EXPECT_EQ(form1().focused(), &a);
    form1().setFocus(b);
    EXPECT_EQ(QApplication::focusWidget(), widget(b));
    clickInto(widget(a));
    EXPECT_EQ(events, (QStringList{"a+", "a-", "b+", "b-", "a+"}));

    // A handler that sends the focus elsewhere is shown as such.
    takeOver(b.onGotFocus, [&] { form1().setFocus(a); });
    clickInto(widget(b));
    QApplication::processEvents();
    EXPECT_EQ(form1().focused(), &a);
    EXPECT_EQ(QApplication::focusWidget(), widget(a));
}

TEST_F(Desk, APressOnTheBareWindowReachesTheForm) {
    int presses = 0;
    takeOver(form1().onMouseDown, [&] { ++presses; });
    QTest::mousePress(&view(form1()), Qt::LeftButton, {}, QPoint(2, 40));
    EXPECT_EQ(presses, 1);
    // Separator lines take no clicks: the window behind gets them.
    QTest::mousePress(&view(form1()), Qt::LeftButton, {}, QPoint(300, 88));
    EXPECT_EQ(presses, 2);
    // A label's press is the label's.
    QTest::mousePress(widget(form1().label(QStringLiteral("Label4"))), Qt::LeftButton);
    EXPECT_EQ(presses, 2);
}

TEST_F(Desk, CheckBoxClicksGoThroughTheControl) {
    CheckBox& onTop = form1().check(QStringLiteral("Check1"));
    ASSERT_EQ(onTop.value(), 1);
    QTest::mouseClick(widget(onTop), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(onTop.value(), 0);
    EXPECT_FALSE(form1().topMost()); // the always-on-top switch ran
    QTest::mouseClick(widget(onTop), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(onTop.value(), 1);
    EXPECT_TRUE(form1().topMost());
}

// The Tab key in the real window walks along the strip row, not down the column.
TEST_F(Desk, TabMovesAlongTheStripRow) {
    QWidget* callsign = widget(form1().text(QStringLiteral("Text7"), 1));
    clickInto(callsign);
    QTest::keyClick(callsign, Qt::Key_Tab);
    TextBox& destination = form1().text(QStringLiteral("Text8"), 1);
    EXPECT_EQ(form1().focused(), &destination);
    EXPECT_TRUE(widget(destination)->hasFocus());
    QTest::keyClick(widget(destination), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form1().focused(), &form1().text(QStringLiteral("Text7"), 1));
    EXPECT_TRUE(callsign->hasFocus());
}
