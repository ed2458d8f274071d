#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

TEST(Startup, FirstStartInAnEmptyFolder) {
    QTemporaryDir dir;
    fake::Services s(dir.path());
    Console c(s.platform);
    c.start();
    Form& f = c.form1();
    EXPECT_EQ(f.width(), 11220);
    EXPECT_EQ(f.height(), 1760);
    EXPECT_EQ(f.top(), 0);
    EXPECT_EQ(f.left(), 2070); // (1024 - 748) / 2 pixels
    EXPECT_TRUE(f.topMost());
    EXPECT_TRUE(f.property(QStringLiteral("Visible")).toBool());
    EXPECT_EQ(f.text(QStringLiteral("Text6")).text(), QStringLiteral("EDDT"));
    EXPECT_EQ(f.text(QStringLiteral("Text13")).text(), QString());
    EXPECT_EQ(f.label(QStringLiteral("Label18")).caption(), QStringLiteral("de3.ts"));
    EXPECT_FALSE(f.label(QStringLiteral("Label1")).visible());
    EXPECT_EQ(c.stateField(QStringLiteral("WeatherState.letterIndex")).toDouble(), 1.0);
    EXPECT_EQ(c.stateField(QStringLiteral("ConsoleState.stripsCollapsed")).toInt(), 1);
    EXPECT_EQ(c.form4().left(), f.left() + f.width());
    EXPECT_TRUE(s.messages.shown().isEmpty());
}
