#include "flightlog/FlightLog.h"

#include <gtest/gtest.h>

using vellaro::composeLogLine;
using vellaro::LogLine;

namespace {

LogLine make(const char* cs, const char* dest, const char* route, const char* sq,
             const char* remarks, const char* rwy) {
    LogLine l;
    l.fields = {QString::fromUtf8(cs), QString::fromUtf8(dest), QString::fromUtf8(route),
                QString::fromUtf8(sq), QString::fromUtf8(remarks)};
    l.date = QStringLiteral("09.12.2026");
    l.time = QStringLiteral("07:05:09");
    l.runway = QString::fromUtf8(rwy);
    return l;
}

} // namespace

TEST(LogLine, ColumnsLineUp) {
    const QString line = composeLogLine(
        make("dlh123", "EDDF", "BRANE1L", "5051", "....................................", "26L"));
    EXPECT_EQ(line, QStringLiteral("DLH123..............  EDDF  BRANE1L  5051  ") +
                        QString(36, QLatin1Char('.')) +
                        QStringLiteral("  09.12.2026  07:05:09  26L"));
    EXPECT_EQ(line.indexOf(QStringLiteral("09.12.2026")), 81); // column 82
}

TEST(LogLine, ShortFieldsArePaddedAndBlanksCount) {
    const QString line = composeLogLine(make(" ab", "ED", "X ", "1", "Landung RWY 26R", ""));
    EXPECT_EQ(line.mid(0, 20), QStringLiteral(" AB................."));
    EXPECT_EQ(line.mid(22, 4), QStringLiteral("ED.."));
    EXPECT_EQ(line.mid(28, 7), QStringLiteral("X ....."));
    EXPECT_EQ(line.mid(37, 4), QStringLiteral("1..."));
    EXPECT_EQ(line.mid(43, 36), QStringLiteral("Landung RWY 26R") + QString(21, QLatin1Char('.')));
    EXPECT_TRUE(line.endsWith(QStringLiteral("07:05:09  "))); // empty runway
}

TEST(LogLine, OverlongFieldsAreCutAndTheUpperCaseKeepsTheWidth) {
    const QString line =
        composeLogLine(make("abcdefghijklmnopqrstuvwxy", "EDDTX", "BRANE1LX", "50511",
                            QString(40, 'r').toUtf8().constData(), "08L"));
    EXPECT_EQ(line.mid(0, 22), QStringLiteral("ABCDEFGHIJKLMNOPQRST  "));
    EXPECT_EQ(line.mid(22, 6), QStringLiteral("EDDT  "));
    EXPECT_EQ(line.mid(28, 9), QStringLiteral("BRANE1L  "));
    EXPECT_EQ(line.mid(37, 6), QStringLiteral("5051  "));
    EXPECT_EQ(line.mid(81, 10), QStringLiteral("09.12.2026"));
    // "ß" has no single upper-case letter; the column must not grow.
    EXPECT_EQ(composeLogLine(make("straße", "", "", "", "", "")).mid(20, 2), QStringLiteral("  "));
}

TEST(LogLine, LineBreaksInsideABoxDoNotSplitTheRecord) {
    const QString line = composeLogLine(make("dlh1\r\nx", "", "", "", "a\rb", ""));
    EXPECT_FALSE(line.contains(QLatin1Char('\r')));
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    EXPECT_EQ(line.indexOf(QStringLiteral("09.12.2026")), 81);
}

TEST(LogLine, LandingIsJudgedByTheFirstSevenLetters) {
    EXPECT_TRUE(vellaro::isLandingRemark(QStringLiteral("Landung RWY 26R")));
    EXPECT_TRUE(vellaro::isLandingRemark(QStringLiteral("Landung")));
    EXPECT_FALSE(vellaro::isLandingRemark(QStringLiteral("landung RWY 26R")));
    EXPECT_FALSE(vellaro::isLandingRemark(QStringLiteral("Landun")));
    EXPECT_FALSE(vellaro::isLandingRemark(QStringLiteral(" Landung")));
}
