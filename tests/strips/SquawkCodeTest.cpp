#include "strips/Squawk.h"

#include <QSet>

#include <gtest/gtest.h>

using vellaro::nextSquawkCode;

namespace {

QString next(const char* code) {
    return nextSquawkCode(QString::fromLatin1(code));
}

} // namespace

TEST(SquawkCode, CountsInOctalOverTheLastThreeDigits) {
    EXPECT_EQ(next("5051"), "5052");
    EXPECT_EQ(next("5057"), "5060");
    EXPECT_EQ(next("5077"), "5100");
    EXPECT_EQ(next("5177"), "5200");
    EXPECT_EQ(next("5707"), "5710");
    EXPECT_EQ(next("5777"), "6000");
    EXPECT_EQ(next("1000"), "1001");
}

TEST(SquawkCode, DigitTestsLookAtTheFirstIncrementOnly) {
    // 5067 + 1 = 5068 -> 5070; its tens digit (6) must not trigger a second carry.
    EXPECT_EQ(next("5067"), "5070");
    EXPECT_EQ(next("5667"), "5670");
    EXPECT_EQ(next("5767"), "5770");
}

TEST(SquawkCode, EveryCodeOfTheSequenceIsATransponderCode) {
    // From 0000 the count walks all 4096 codes once and wraps after 7777.
    QString code = QStringLiteral("0000");
    for (int i = 1; i < 4096; ++i) {
        const QString following = nextSquawkCode(code);
        ASSERT_EQ(following.size(), 4) << qPrintable(code);
        ASSERT_FALSE(following.contains(QLatin1Char('8')) || following.contains(QLatin1Char('9')))
            << qPrintable(code);
        ASSERT_EQ(following.toInt(nullptr, 8), i) << qPrintable(code);
        code = following;
    }
    EXPECT_EQ(code, "7777");
    EXPECT_EQ(nextSquawkCode(code), "0000");
}

TEST(SquawkCode, ShortCodesKeepFourDigits) {
    EXPECT_EQ(next("0017"), "0020");
    EXPECT_EQ(next("17"), "0020");
    EXPECT_EQ(next("0777"), "1000");
    EXPECT_EQ(next("0"), "0001");
}

TEST(SquawkCode, HandTypedCodesMoveOnToAValidOne) {
    EXPECT_EQ(next("5058"), "5060");
    EXPECT_EQ(next("5079"), "5100");
    EXPECT_EQ(next("5780"), "6000");
    EXPECT_EQ(next("8000"), "0000");
    EXPECT_EQ(next("123456"), "0000");
    EXPECT_EQ(next("-5"), "0000");
    EXPECT_EQ(next(" 5051"), "5052");
    EXPECT_EQ(next("5051 x"), "5052");
}

TEST(SquawkCode, TextThatIsNoNumberRestartsAtTheDefault) {
    EXPECT_EQ(next("abc"), "5051");
    EXPECT_EQ(next("a"), "5051");
    EXPECT_EQ(next(""), "5051");
    EXPECT_EQ(next("-"), "5051");
}

TEST(SquawkCode, AHugeNumberStillGivesAFourDigitCode) {
    const QString code = nextSquawkCode(QString(100000, QLatin1Char('9')));
    EXPECT_EQ(code.size(), 4);
    bool octal = false;
    code.toInt(&octal, 8);
    EXPECT_TRUE(octal) << qPrintable(code);
}

TEST(SquawkCode, TheSequenceWalksEveryCodeButTheReservedOnesOnce) {
    const auto none = [](const QString&) { return false; };
    QSet<QString> seen;
    QString code = vellaro::advanceSquawk(QStringLiteral("7777"), none);
    EXPECT_EQ(code, "0001");
    while (!seen.contains(code)) {
        ASSERT_FALSE(vellaro::isReservedSquawk(code)) << qPrintable(code);
        seen.insert(code);
        code = vellaro::advanceSquawk(code, none);
    }
    EXPECT_EQ(seen.size(), 4096 - 7);
}

TEST(SquawkCode, CodesInUseAreSkippedAndAllInUseStillEnds) {
    const QSet<QString> used = {QStringLiteral("5052"), QStringLiteral("5053"),
                                QStringLiteral("7501")};
    const auto inUse = [&](const QString& c) { return used.contains(c); };
    EXPECT_EQ(vellaro::advanceSquawk(QStringLiteral("5051"), inUse), "5054");
    EXPECT_EQ(vellaro::advanceSquawk(QStringLiteral("7477"), inUse), "7502");
    const QString any =
        vellaro::advanceSquawk(QStringLiteral("5051"), [](const QString&) { return true; });
    EXPECT_EQ(any.size(), 4);
}
