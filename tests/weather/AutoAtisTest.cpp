#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

const QString kTegel = QStringLiteral("EDDT 121250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG");

class Retrieval : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    fake::Services s{dir.path()};
    std::unique_ptr<Console> c;

    void SetUp() override {
        write("rwy.txt", "EDDT 08L 08R\r\nEDDT 26R 26L\r\n");
        write("metar.txt", "EDDT\r\nEDDI\r\nEDDB\r\n");
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void start() {
        c = std::make_unique<Console>(s.platform);
        c->start();
    }
    TextBox& box(const char* name) const { return c->form1().text(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(Retrieval, OverviewMarksEachRequestBeforeItGoesOut) {
    s.http.setBusy(true);
    start();
    s.clock.advance(500);
    s.http.setBusy(false);
    QStringList seen;
    s.http.onGet = [&](const QString&) {
        seen.append(box("Text19").text());
        EXPECT_EQ(box("Text19").top(), 0);
    };
    c->form1().button(QStringLiteral("Command41")).userClick();
    const QString wait = QStringLiteral("Bitte warten, Daten werden geholt...   ");
    EXPECT_EQ(seen, (QStringList{wait + QStringLiteral("X "), wait + QStringLiteral("X X "),
                                 wait + QStringLiteral("X X X ")}));
}

TEST_F(Retrieval, ClicksDuringATransferLeaveItAlone) {
    s.http.serve(QStringLiteral("id=EDDT"), kTegel);
    start();
    int nested = 0;
    s.http.onGet = [&](const QString&) {
        if (nested++ > 0) {
            return;
        }
        // The controller presses AutoAtis and Enter while "Load" is showing.
        s.http.setBusy(true);
        EXPECT_EQ(box("Text6").text(), QStringLiteral("Load"));
        c->form1().button(QStringLiteral("Command40")).userClick();
        c->form1().setFocus(box("Text6"));
        box("Text6").userKeyPress(13);
        s.clock.advance(600000); // the tenth minute comes round meanwhile
        s.http.setBusy(false);
    };
    s.clock.advance(500);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(c->weather.requestIcao, QStringLiteral("EDDT"));
    EXPECT_EQ(box("Text6").text(), QStringLiteral("12:50"));
    EXPECT_EQ(c->form1().label(QStringLiteral("Label8")).caption(), QStringLiteral("EDDT"));
    EXPECT_EQ(s.beeper.count(), 1);
}

TEST_F(Retrieval, ClosingWhileWaitingStopsTheRetrieval) {
    s.http.serve(QStringLiteral("id=EDDT"), kTegel);
    start();
    s.http.onGet = [&](const QString&) { c->close(); };
    s.clock.advance(500);
    EXPECT_TRUE(c->ended());
    EXPECT_EQ(s.beeper.count(), 0);
    EXPECT_EQ(box("Text18").text(), QStringLiteral("-"));
    EXPECT_EQ(c->weather.letterIndex, 1.0);
    EXPECT_EQ(c->weather.firstRetrieval, 1);
}

TEST_F(Retrieval, MissingMetarFileStillFetchesTheDefaults) {
    QFile::remove(dir.filePath(QStringLiteral("metar.txt")));
    s.http.setBusy(true);
    start();
    s.clock.advance(500);
    s.http.setBusy(false);
    c->files().setWriteProtected(true); // a locked folder: nothing written, nothing said
    s.http.takeRequests();
    c->form1().button(QStringLiteral("Command41")).userClick();
    EXPECT_EQ(s.http.takeRequests().size(), 3);
    EXPECT_TRUE(s.messages.shown().isEmpty());
    EXPECT_FALSE(c->files().exists(QStringLiteral("metar.txt")));
    EXPECT_EQ(c->state.overviewRunway2, QStringLiteral("RWY 09R"));
}
