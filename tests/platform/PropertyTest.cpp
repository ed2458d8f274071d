#include "platform/Form.h"
#include "scenario/Fakes.h"

#include <gtest/gtest.h>

#include <set>

using namespace vellaro;

TEST(PropNames, EveryPropertyHasOneNameAndComesBackFromIt) {
    std::set<QString> seen;
    for (Prop p : kEveryProp) {
        const QString name = propName(p);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(seen.insert(name).second) << name.toStdString();
        EXPECT_EQ(propFromName(name), p) << name.toStdString();
    }
    EXPECT_FALSE(propFromName(u"All"));
    EXPECT_FALSE(propFromName(u"text")); // names are exact
    EXPECT_FALSE(propFromName(u""));
}

namespace {

class Properties : public ::testing::Test {
  protected:
    Properties() {
        form.observer = [this](Control* c, Prop p) {
            heard << (c != nullptr ? c->displayName() : form.name()) + QLatin1Char('.') +
                         propName(p);
        };
    }
    fake::ManualClock clock;
    Form form{QStringLiteral("Form9"), clock};
    QStringList heard;
};

} // namespace

TEST_F(Properties, NamedAccessReachesEachKindsOwnProperties) {
    TextBox& box = form.add<TextBox>(QStringLiteral("Text7"), 0);
    ComboBox& combo = form.add<ComboBox>(QStringLiteral("Combo1"));
    Timer& timer = form.add<Timer>(QStringLiteral("Timer1"));
    heard.clear();

    EXPECT_TRUE(box.setProperty(QStringLiteral("Text"), QStringLiteral("DLH4")));
    EXPECT_TRUE(box.setProperty(QStringLiteral("Left"), 120));
    EXPECT_EQ(box.property(QStringLiteral("Text")), QStringLiteral("DLH4"));
    EXPECT_EQ(box.property(Prop::Left), 120);
    EXPECT_FALSE(box.property(QStringLiteral("Caption")).isValid());
    EXPECT_FALSE(box.setProperty(QStringLiteral("Caption"), QStringLiteral("x")));
    EXPECT_FALSE(box.setProperty(QStringLiteral("Nonsense"), 1));
    EXPECT_EQ(heard, (QStringList{"Text7(0).Text", "Text7(0).Left"}));

    combo.addItem(QStringLiteral("FL70"));
    combo.addItem(QStringLiteral("FL90"));
    EXPECT_EQ(combo.property(QStringLiteral("ListCount")), 2);
    EXPECT_EQ(combo.property(QStringLiteral("List(1)")), QStringLiteral("FL90"));
    EXPECT_EQ(combo.property(QStringLiteral("List(5)")), QString()); // empty, as the toolkit
    EXPECT_FALSE(combo.property(QStringLiteral("List(x)")).isValid());
    EXPECT_FALSE(combo.property(QStringLiteral("List")).isValid());
    EXPECT_FALSE(box.property(QStringLiteral("List(0)")).isValid());
    EXPECT_FALSE(combo.setProperty(QStringLiteral("ListCount"), 7)); // read-only

    // A timer's Enabled is its running switch, not the control's.
    EXPECT_TRUE(timer.setProperty(QStringLiteral("Enabled"), QStringLiteral("True")));
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.property(QStringLiteral("Enabled")), true);
}

TEST_F(Properties, TheWindowsOwnPropertiesNotifyWithoutAControl) {
    EXPECT_TRUE(form.setProperty(QStringLiteral("Height"), 5580));
    EXPECT_TRUE(form.setProperty(Prop::Top, -2040));
    EXPECT_TRUE(form.setProperty(QStringLiteral("Visible"), -1));
    EXPECT_EQ(form.property(QStringLiteral("Top")), -2040);
    EXPECT_EQ(form.property(QStringLiteral("Visible")), true);
    EXPECT_FALSE(form.property(QStringLiteral("Loaded")).isValid());
    EXPECT_FALSE(form.setProperty(QStringLiteral("Text"), QStringLiteral("x")));
    EXPECT_EQ(heard, (QStringList{"Form9.Height", "Form9.Top", "Form9.Loaded", "Form9.Visible"}));
}
