#include "flightlog/CallsignHistory.h"
#include "../strips/BoardFixture.h"

using namespace vellaro;

namespace {

const QByteArray kLog =
    "DLH123..............  EDDF  BRANE1L  5051  x  08.12.2026  07:05:09  26L\r\n"
    "DLH1234.............  EDDF  BRANE1L  5052  x  08.12.2026  07:06:09  26L\r\n"
    "BER2................  EDDT  .......  ....  x  08.12.2026  07:07:09  26R\r\n"
    "DLH123..............  EGLL  .......  5053  x  09.12.2026  07:05:09  26L\r\n"
    "AFR1................  LFPG  .......  5054  after DLH123  09.12.2026  26L\r\n";

QString sentence(int n) {
    return QStringLiteral("I've controlled you %1 times, since Nov-2002, with your current "
                          "callsign !!!")
        .arg(n);
}

class History : public BoardTest {
  protected:
    void SetUp() override { start(); }
    // "such....." in row 0 is a callsign-box command that runs the count itself;
    // anything else is counted by calling it.
    void lookUp(const char* row0) {
        const QString text = QString::fromUtf8(row0);
        box("Text7", 0).setText(text);
        if (!text.startsWith(QLatin1String("such"))) {
            c->callsignHistory().getaircraft();
        }
    }
};

} // namespace

TEST_F(History, CountsEveryLineHoldingTheCallsign) {
    writeFile("log.txt", kLog);
    lookUp("suchdlh123.");
    // DLH1234 holds DLH123 too, and so does a remark.
    EXPECT_EQ(box("Text11", 0).text(), "DLH123 = 4");
    EXPECT_EQ(clipboard(), sentence(4));
}

TEST_F(History, EmptyKeyCountsEveryLine) {
    writeFile("log.txt", kLog);
    lookUp("such.");
    EXPECT_EQ(box("Text11", 0).text(), " = 5");
    EXPECT_EQ(clipboard(), sentence(5));
}

TEST_F(History, NoLogCountsNothing) {
    lookUp("suchBER2.");
    EXPECT_EQ(box("Text11", 0).text(), "BER2 = 0");
    EXPECT_EQ(clipboard(), sentence(0));
}

TEST_F(History, TooShortForAKeyCountsNothing) {
    // Typed in another row, the command reads row 0, which may hold anything.
    writeFile("log.txt", kLog);
    lookUp("DLH");
    EXPECT_EQ(box("Text11", 0).text(), " = 0");
    EXPECT_EQ(clipboard(), sentence(0));
}
