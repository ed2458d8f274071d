#include "flightlog/FlightLog.h"
#include "../strips/BoardFixture.h"

using namespace vellaro;

class FlightLogWriter : public BoardTest {
  protected:
    void SetUp() override {
        s.clock.set(QDateTime(QDate(2026, 12, 9), QTime(7, 5, 9)));
        start();
        box("Text4").setText(QStringLiteral("26R"));
        box("Text5").setText(QStringLiteral("26L"));
    }
    QList<QByteArray> logLines() const {
        QList<QByteArray> lines = readFile("log.txt").split('\n');
        lines.removeLast(); // after the last line end
        return lines;
    }
    QString ground(int i) const { return f4().text(QStringLiteral("Text1"), i).text(); }
    int tick(const char* col, int i) const {
        return f4().check(QString::fromLatin1(col), i).value();
    }
};

TEST_F(FlightLogWriter, DepartureLineAndHandOver) {
    fill(1, "dlh123", "EDDF", "BRANE1L", "5051", "");
    // The completed boxes show on the screen while the line is written.
    QString remarksSeen;
    box("Text11", 1).onChange = [&] {
        if (remarksSeen.isEmpty()) {
            remarksSeen = box("Text11", 1).text();
        }
    };
    c->flightLog().log(1);
    EXPECT_EQ(remarksSeen, QString(36, QLatin1Char('.')));
    EXPECT_EQ(box("Text7", 1).text(), "dlh123");
    EXPECT_EQ(readFile("log.txt"), QByteArray("DLH123..............  EDDF  BRANE1L  5051  ") +
                                       QByteArray(36, '.') + "  09.12.2026  07:05:09  26L\r\n");
    EXPECT_EQ(ground(0), "dlh123");
    EXPECT_EQ(tick("Check1", 0), 1);
    EXPECT_EQ(tick("Check2", 0), 1);
    EXPECT_EQ(tick("Check3", 0), 0);
}

TEST_F(FlightLogWriter, LandingUsesTheLandingRunwayAndIsNotHandedOver) {
    fill(0, "BER2", "EDDT", "", "", "Landung RWY 26R");
    click("Command17");
    EXPECT_TRUE(logLines().at(0).endsWith("07:05:09  26R\r"));
    EXPECT_EQ(ground(0), "");

    // "----" picks the landing runway too, but the strip is still a departure.
    fill(2, "Condor CFG440", "", "", "----", "landung");
    click("Command12");
    EXPECT_TRUE(logLines().at(1).endsWith("  26R\r"));
    EXPECT_EQ(ground(0), "CFG440");
}

TEST_F(FlightLogWriter, TheHandOverSeesTheCallsignBeforeItIsCut) {
    fill(0, "ABCDEFGHIJKLMNOPQRSTUVWXY", "", "", "", "");
    c->flightLog().log(0);
    EXPECT_EQ(box("Text7", 0).text(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(readFile("log.txt").startsWith("ABCDEFGHIJKLMNOPQRST  ....  "));
    EXPECT_EQ(ground(0), "STUVWXY");
}

TEST_F(FlightLogWriter, OneColumnTicksClearanceOnlyAndAFullBoardTakesNothing) {
    c->state.groundMarkColumns = 1;
    fill(0, "AAA1", "", "", "", "");
    click("Command17");
    EXPECT_EQ(tick("Check1", 0), 1);
    EXPECT_EQ(tick("Check2", 0), 0);
    for (int i = 1; i < 10; ++i) {
        f4().text(QStringLiteral("Text1"), i).setText(QStringLiteral("X%1").arg(i));
    }
    fill(0, "BBB2", "", "", "", "");
    click("Command17");
    EXPECT_EQ(ground(0), "AAA1");
    EXPECT_EQ(logLines().size(), 2);
}

TEST_F(FlightLogWriter, AnEmptyRowIsHandedOverAsAnEmptyCallsign) {
    f4().text(QStringLiteral("Text1"), 0).setText(QStringLiteral("X1"));
    click("Command14");
    EXPECT_TRUE(logLines().at(0).startsWith(QByteArray(20, '.') + "  ....  .......  ....  "));
    EXPECT_EQ(ground(1), "");
    EXPECT_EQ(tick("Check1", 1), 1);
    EXPECT_EQ(tick("Check2", 1), 1);
}

TEST_F(FlightLogWriter, ALockedFolderStillDeletesTheStrip) {
    c->files().setWriteProtected(true);
    fill(5, "DLH1", "EDDF", "X", "1234", "r");
    click("Command15");
    for (const char* name : {"Text7", "Text8", "Text9", "Text10", "Text11"}) {
        EXPECT_EQ(box(name, 5).text(), "") << name;
    }
    EXPECT_EQ(box("Text7", 5).foreColor(), kRed);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("log.txt"))));
}

TEST_F(FlightLogWriter, AppendsBehindALogThatLacksItsLastLineEnd) {
    writeFile("log.txt", "OLD LINE");
    click("Command17");
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "OLD LINE\r");
    EXPECT_TRUE(lines[1].startsWith("...................."));

    // A log whose lines end in a lone CR is only appended to.
    writeFile("log.txt", "A\rB\r");
    click("Command17");
    EXPECT_TRUE(readFile("log.txt").startsWith("A\rB\r...................."));
}
