#include "weather/Overview.h"

#include <gtest/gtest.h>

using vellaro::Overview;

TEST(OverviewLine, FullReportWithRunwayText) {
    const QString e = QStringLiteral("EDDT 121250Z 09010KT 9999 FEW030 18/12 Q1013 NOSIG");
    EXPECT_EQ(Overview::overviewLine(e, 1, QStringLiteral("LA=08L TO=08R")),
              QStringLiteral(" EDDT  12:50 Wind 090 @ 10  QNH 1013   LA=08L TO=08R"));
    const QString e2 = QStringLiteral("EDDI 121250Z 09010KT 9999 FEW030 18/12 Q1013 NOSIG");
    EXPECT_EQ(Overview::overviewLine(e2, 2, QStringLiteral("RWY 09R")),
              QStringLiteral(" EDDI   12:50 Wind 090 @ 10  QNH 1013   RWY 09R"));
}

TEST(OverviewLine, QnhKeepsItsLeadingZeroAndComesFromTheQGroup) {
    const QString e = QStringLiteral("EDDB 010020Z 27005KT CAVOK 02/01 Q0998 BECMG");
    EXPECT_EQ(Overview::overviewLine(e, 1, QString()),
              QStringLiteral(" EDDB  00:20 Wind 270 @ 05  QNH 0998   "));
    // A station code holding "Q" is no QNH; a report run into the next one still has it.
    const QString q = QStringLiteral("LQSA 121250Z 09010KT Q1013EDDI 121250Z 09010KT Q1014");
    EXPECT_EQ(Overview::overviewLine(q, 1, QString()),
              QStringLiteral(" LQSA  12:50 Wind 090 @ 10  QNH 1013   "));
}

TEST(OverviewLine, NoQGroupShowsTheStationCodeInTheQnhPlace) {
    const QString e = QStringLiteral("KJFK 121251Z 31012KT 10SM A2992");
    EXPECT_EQ(Overview::overviewLine(e, 1, QString()),
              QStringLiteral(" KJFK  12:51 Wind 310 @ 12  QNH KJFK   "));
}

TEST(OverviewLine, ShortOrEmptyExtractNeverFails) {
    EXPECT_EQ(Overview::overviewLine(QString(), 1, QStringLiteral("RWY 07R")),
              QStringLiteral("  : Wind  @   QNH    RWY 07R"));
    EXPECT_EQ(Overview::overviewLine(QStringLiteral("EDDT 1212"), 2, QString()),
              QStringLiteral(" EDDT   12: Wind  @   QNH EDDT   "));
}
