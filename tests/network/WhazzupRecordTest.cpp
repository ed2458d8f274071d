#include "network/WhazzupRecord.h"
#include "network/UpdateCheck.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

using namespace vellaro;
namespace wz = vellaro::whazzup;

TEST(WhazzupRecord, ColonOffsetsCountFromTheAnchorWithinTheirWindow) {
    const QString t = QStringLiteral("AB:C:D");
    EXPECT_EQ(wz::colonOffset(t, 1, 1, 50), 2);
    EXPECT_EQ(wz::colonOffset(t, 1, 2, 50), 4);
    // A colon just outside the window is not seen.
    EXPECT_EQ(wz::colonOffset(t, 1, 2, 3), 4);
    EXPECT_EQ(wz::colonOffset(t, 1, 2, 2), 3);
    EXPECT_EQ(wz::colonOffset(t, 1, 3, 100), 101);
    // Anchors at or past the end find nothing, and read nothing.
    EXPECT_EQ(wz::colonOffset(t, 6, 1, 10), 11);
    EXPECT_EQ(wz::colonOffset(t, 400, 1, 300), 301);
    EXPECT_EQ(wz::colonOffset(QString(), 0, 1, 5), 6);
}

TEST(WhazzupRecord, ControllerLinesTakeTheFieldsAsTheyFall) {
    const QString t = QStringLiteral("!GEN\r\nEDDT_TWR:1:Jan Tester:ATC:124.525:x\r\n");
    EXPECT_EQ(wz::controllerLine(t, QStringLiteral("EDDT_TWR")),
              QStringLiteral("EDDT_TWR - Jan Tester - 124.525\r\n"));
    EXPECT_EQ(wz::controllerLine(t, QStringLiteral("EDDT_GND")), QString());
    // Too few colons: the missing fields are empty, never a piece of negative length.
    EXPECT_EQ(wz::controllerLine(QStringLiteral("EDDB_GND:9"), QStringLiteral("EDDB_GND")),
              QStringLiteral("EDDB_GND -  - \r\n"));
    // Only the third colon missing: the name runs to the end of its 100-character window.
    EXPECT_EQ(wz::controllerLine(QStringLiteral("EDDB_GND:9:Name"), QStringLiteral("EDDB_GND")),
              QStringLiteral("EDDB_GND - Name - \r\n"));
    // No colon within 50 characters: 51 characters of callsign.
    const QString longOne = QString(60, QLatin1Char('X'));
    EXPECT_EQ(wz::controllerLine(longOne, QStringLiteral("X")),
              QString(51, QLatin1Char('X')) + QStringLiteral(" -  - \r\n"));
    // An empty key stands at the first character.
    EXPECT_EQ(wz::controllerLine(QStringLiteral("A:B:C:D:E:"), QString()),
              QStringLiteral("A - C - E\r\n"));
}

TEST(WhazzupRecord, DestinationNearTheEndIsCutShort) {
    qsizetype p = -1;
    EXPECT_EQ(
        wz::destination(QStringLiteral("K") + QString(13, QLatin1Char(':')) + QStringLiteral("ED"),
                        QStringLiteral("K"), &p),
        QStringLiteral("ED"));
    EXPECT_EQ(p, 1);
    EXPECT_EQ(wz::destination(QStringLiteral("nothing"), QStringLiteral("K"), &p), QString());
    EXPECT_EQ(p, 0);
    // Fewer than 13 colons in 200 characters: the four characters after the window.
    const QString t = QStringLiteral("K:") + QString(300, QLatin1Char('a'));
    EXPECT_EQ(wz::destination(t, QStringLiteral("K")), QStringLiteral("aaaa"));
}

TEST(WhazzupRecord, FlightPlanBoxesOfARecordWithoutItsLaterFields) {
    const auto plan = wz::flightPlanBoxes(QStringLiteral("K:1:2"), 1);
    EXPECT_EQ(plan.routeAndRemarks, QStringLiteral("\r\n"));
    EXPECT_EQ(plan.departure, QString());
}

TEST(WhazzupRecord, LongRemarksAndEmptyFieldsKeepEveryBoxToItsOwnField) {
    // A record as the feed gives it: departure (12), destination (14), remarks (30),
    // route (31); the remarks alone are longer than the classic 300-character window.
    QStringList f(49);
    f[0] = QStringLiteral("DAL130");
    f[11] = QStringLiteral("KJFK");
    f[13] = QStringLiteral("EINN");
    f[29] = QStringLiteral("PBN/A1B1 ") + QString(300, QLatin1Char('R'));
    f[30] = QStringLiteral("DCT BETTE DCT ACK");
    const QString next = QStringLiteral("\r\nNEXT1:2:3:4:5:6:7:8:9:10:11:F10:12:13:14\r\n");
    const QString t = QStringLiteral("!GENERAL\r\n") + f.join(QLatin1Char(':')) + next;
    qsizetype p = 0;
    EXPECT_EQ(wz::destination(t, QStringLiteral("DAL130"), &p), QStringLiteral("EINN"));
    const auto plan = wz::flightPlanBoxes(t, p);
    EXPECT_EQ(plan.routeAndRemarks,
              QStringLiteral("DCT BETTE DCT ACK:\r\nPBN/A1B1 ") + QString(31, QLatin1Char('R')));
    EXPECT_EQ(plan.departure, QStringLiteral("KJFK"));

    // Nothing filed: empty boxes, not the next field's first characters.
    f[11].clear();
    f[13].clear();
    f[30].clear();
    const QString empty = QStringLiteral("!GENERAL\r\n") + f.join(QLatin1Char(':')) + next;
    EXPECT_EQ(wz::destination(empty, QStringLiteral("DAL130"), &p), QString());
    EXPECT_EQ(wz::flightPlanBoxes(empty, p).departure, QString());
    EXPECT_TRUE(wz::flightPlanBoxes(empty, p).routeAndRemarks.startsWith(QStringLiteral(":\r\n")));
}

TEST(WhazzupRecord, AerodromeListSkipsIvanAndFindsLineStarts) {
    const QString t = QStringLiteral(":EDDT:F100\nAB:EDDT:IVAN\nABC12:x:EDDT:\n") +
                      QString(400, QLatin1Char('y')) + QStringLiteral(":EDDT:");
    // The first record opens the text; the last has no line start within 300 characters.
    EXPECT_EQ(wz::aerodromeList(t, QStringLiteral("EDDT")),
              QStringLiteral(":EDDT: EDDT\r\nABC12: EDDT\r\nyyyyyy EDDT\r\n"));
    EXPECT_EQ(wz::aerodromeList(t, QStringLiteral("EDDI")), QString());
    EXPECT_EQ(wz::aerodromeList(QStringLiteral("x:EDDT:"), QStringLiteral("EDDT")),
              QStringLiteral("x:EDDT EDDT\r\n"));
}

TEST(WhazzupRecord, ArbitraryTextNeverReadsOutOfRange) {
    // Colons, line ends and key characters in any order; a debug build asserts on any
    // index outside the text.
    const QString alphabet = QStringLiteral("::\n\rEDT_KIVAN x");
    QRandomGenerator rng(20261210);
    const QStringList keys = {QStringLiteral("E"), QStringLiteral("EDDT"), QStringLiteral("K"),
                              QString()};
    for (int round = 0; round < 400; ++round) {
        QString t;
        const int n = int(rng.bounded(700));
        for (int i = 0; i < n; ++i) {
            t += alphabet[int(rng.bounded(alphabet.size()))];
        }
        for (const QString& key : keys) {
            wz::controllerLine(t, key);
            qsizetype p = 0;
            wz::destination(t, key, &p);
            wz::flightPlanBoxes(t, p);
            const QString list = wz::aerodromeList(t, QStringLiteral("EDDT"));
            EXPECT_EQ(list.count(QStringLiteral("\r\n")) * 13, list.size());
        }
    }
}

TEST(UpdateNotice, OnlyAVersionInOurFormCanBeNewer) {
    EXPECT_EQ(UpdateCheck::updateNotice(QStringLiteral("V7.8\r\n")),
              QStringLiteral("Ja, das Update V7.8 liegt vor !!!"));
    EXPECT_EQ(UpdateCheck::updateNotice(QStringLiteral("V7.7")),
              QStringLiteral("Nein, es gibt keine neue Version !"));
    for (const char* garbled : {"", "V7", "v7.8", "<htm", "V7.x", " V7.8"}) {
        EXPECT_EQ(UpdateCheck::updateNotice(QString::fromLatin1(garbled)),
                  QStringLiteral("Update-Server z.Z. nicht erreichbar !"))
            << garbled;
    }
}
