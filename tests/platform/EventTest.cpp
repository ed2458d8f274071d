#include "platform/Form.h"
#include "scenario/Fakes.h"

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

class Events : public ::testing::Test {
  protected:
    fake::ManualClock clock;
    Form form{QStringLiteral("Form9"), clock};
    Button& button = form.add<Button>(QStringLiteral("Command8"));
    TextBox& box = form.add<TextBox>(QStringLiteral("Text7"), 3);
};

} // namespace

TEST_F(Events, ASecondHandlerOnAnOwnedEventIsAProgrammingError) {
    button.onClick = [] {};
    EXPECT_DEBUG_DEATH(
        button.onClick = [] {}, "Form9\\.Command8 already has a Click handler");
    box.onChange = [] {};
    EXPECT_DEBUG_DEATH(
        box.onChange = [] {}, "Form9\\.Text7\\(3\\) already has a Change handler");
    box.onKeyPress = [](int&) {};
    EXPECT_DEBUG_DEATH(
        box.onKeyPress = [](int& k) { k = 0; }, "Text7\\(3\\) already has a KeyPress");
    form.onLoad = [] {};
    EXPECT_DEBUG_DEATH(
        form.onLoad = [] {}, "Form9 already has a Load handler");
}

TEST_F(Events, DetachingThenAttachingHandsTheEventOver) {
    QStringList ran;
    button.onClick = [&] { ran << QStringLiteral("first"); };
    button.onClick = nullptr;
    EXPECT_FALSE(button.onClick);
    button.onClick = [&] { ran << QStringLiteral("second"); };
    button.userClick();
    EXPECT_EQ(ran, QStringList{QStringLiteral("second")});

    // {} and an empty function detach as well, also where nothing is attached.
    button.onClick = {};
    button.onClick = {};
    EXPECT_FALSE(button.onClick);
    button.onClick = [&] { ran << QStringLiteral("third"); };
    button.onClick = std::function<void()>();
    EXPECT_FALSE(button.onClick);
    button.userClick(); // no handler: nothing runs, nothing breaks
    EXPECT_EQ(ran.size(), 1);
}

TEST_F(Events, AWrapperTakesTheHandlerOverAndCallsItOn) {
    QStringList ran;
    box.onChange = [&] { ran << QStringLiteral("feature"); };
    auto feature = box.onChange.take();
    EXPECT_FALSE(box.onChange);
    box.onChange = [&, feature] {
        ran << QStringLiteral("wrapper");
        feature();
    };
    box.setText(QStringLiteral("DLH1"));
    EXPECT_EQ(ran, (QStringList{QStringLiteral("wrapper"), QStringLiteral("feature")}));
}

TEST_F(Events, AHandlerMayHandItsEventOnWhileRunning) {
    // A one-shot click: the handler detaches itself and leaves a successor, then
    // still reads its own captures.
    QStringList ran;
    const QString tag = QStringLiteral("once");
    button.onClick = [this, &ran, tag] {
        button.onClick = nullptr;
        button.onClick = [&ran] { ran << QStringLiteral("later"); };
        ran << tag;
    };
    button.userClick();
    button.userClick();
    EXPECT_EQ(ran, (QStringList{QStringLiteral("once"), QStringLiteral("later")}));
}

TEST_F(Events, KeyPressHandlersSeeAndChangeTheCharacter) {
    box.onKeyPress = [](int& key) {
        if (key == 'x') {
            key = 0; // swallowed
        } else {
            key = QChar(key).toUpper().unicode();
        }
    };
    box.userType(QStringLiteral("axb"));
    EXPECT_EQ(box.text(), QStringLiteral("AB"));
}
