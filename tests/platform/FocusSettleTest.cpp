#include "platform/Form.h"
#include "scenario/Fakes.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace vellaro;

namespace {

// Three boxes in a row, every focus event written down.
class FocusSettle : public ::testing::Test {
  protected:
    FocusSettle() {
        for (TextBox* b : {&a, &b2, &c, &d}) {
            b->onGotFocus = [this, b] { log << b->name() + QStringLiteral("+"); };
        }
        b2.onLostFocus = [this] { log << QStringLiteral("b-"); };
        c.onLostFocus = [this] { log << QStringLiteral("c-"); };
        d.onLostFocus = [this] { log << QStringLiteral("d-"); };
    }

    fake::ManualClock clock;
    Form form{QStringLiteral("Form9"), clock};
    TextBox& a = form.add<TextBox>(QStringLiteral("a"));
    TextBox& b2 = form.add<TextBox>(QStringLiteral("b"));
    TextBox& c = form.add<TextBox>(QStringLiteral("c"));
    TextBox& d = form.add<TextBox>(QStringLiteral("d"));
    QStringList log;
};

} // namespace

TEST_F(FocusSettle, AMoveInsideALostFocusHandlerWinsAndTheControlPassedOverNeverHadIt) {
    form.setFocus(a);
    a.onLostFocus = [this] {
        log << QStringLiteral("a-");
        form.setFocus(c);
    };
    log.clear();
    form.setFocus(b2); // the user's own move
    EXPECT_EQ(form.focused(), &c);
    EXPECT_EQ(log, QStringList({"a-", "c+"}));
}

TEST_F(FocusSettle, TheControlWhoseLostFocusRunsDoesNotLoseItAgain) {
    form.setFocus(a);
    int lost = 0;
    a.onLostFocus = [this, &lost] {
        ++lost;
        form.setFocus(a); // back, then away again, inside its own handler
        form.setFocus(c);
    };
    log.clear();
    form.setFocus(b2);
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(form.focused(), &c);
    EXPECT_EQ(log, QStringList({"a+", "c+"}));
}

TEST_F(FocusSettle, AGotFocusHandlerThatMovesOnLosesAsUsual) {
    form.setFocus(a);
    c.onGotFocus = nullptr;
    c.onGotFocus = [this] {
        log << QStringLiteral("c+");
        form.setFocus(d);
    };
    a.onLostFocus = [this] { form.setFocus(c); };
    log.clear();
    form.setFocus(b2);
    EXPECT_EQ(form.focused(), &d);
    EXPECT_EQ(log, QStringList({"c+", "c-", "d+"}));
    // Plain moves are untouched afterwards.
    log.clear();
    form.setFocus(b2);
    EXPECT_EQ(log, QStringList({"d-", "b+"}));
}
