#include "core/Text.h"

#include <gtest/gtest.h>

using namespace vellaro::text;

TEST(Text, PiecesNeverFailOnShortTexts) {
    EXPECT_EQ(mid(QStringLiteral("EDDT"), 3, 5), QStringLiteral("DT"));
    EXPECT_EQ(mid(QStringLiteral("EDDT"), 9, 2), QString());
    EXPECT_EQ(left(QStringLiteral("ab"), 7), QStringLiteral("ab"));
    EXPECT_EQ(right(QStringLiteral("Condor cfg440"), 7), QStringLiteral("cfg440").prepend(' '));
    EXPECT_EQ(instr(QStringLiteral("abc"), QString()), 1);
    EXPECT_EQ(instr(QStringLiteral("abcabc"), QStringLiteral("c"), 4), 6);
    EXPECT_EQ(instr(QStringLiteral("abc"), QStringLiteral("x")), 0);
}

TEST(Text, NumericValueReadsTheLeadingNumber) {
    EXPECT_EQ(numericValue(QStringLiteral(" 270")), 270);
    EXPECT_EQ(numericValue(QStringLiteral("08L")), 8);
    EXPECT_EQ(numericValue(QStringLiteral("VRB")), 0);
    EXPECT_EQ(numericValue(QString()), 0);
    EXPECT_EQ(numericValue(QStringLiteral("-5.5x")), -5.5);
    EXPECT_EQ(numericValue(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(numericValue(QStringLiteral("Err")), 0);
}

TEST(Text, FormatLikeStrKeepsTheSignPlace) {
    EXPECT_EQ(formatLikeStr(1013), QStringLiteral(" 1013"));
    EXPECT_EQ(formatLikeStr(-5), QStringLiteral("-5"));
    EXPECT_EQ(formatLikeStr(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(formatLikeStr(0), QStringLiteral(" 0"));
    EXPECT_EQ(formatLikeStr(1013 * 0.75 / 25.4 + 0.005), QStringLiteral(" 29.9164173228346"));
    EXPECT_EQ(formatLikeStr(0.005), QStringLiteral(" .005"));
    EXPECT_EQ(formatLikeStr(-0.25), QStringLiteral("-.25"));
    EXPECT_EQ(formatLikeStr(1e16), QStringLiteral(" 1E+16"));
}
