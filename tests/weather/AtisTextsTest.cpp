#include "WeatherFixture.h"

#include "weather/AtisTexts.h"

using namespace vellaro;
using vellaro::testing::WeatherTest;

namespace {

const QString kTail = QStringLiteral("1250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG");

} // namespace

class AtisTextsTest : public WeatherTest {
  protected:
    // The weather block after a decoded METAR, station and landing runway set.
    void weather(const char* station, const char* landing, const QString& tail = kTail) {
        c.weather.voiceServer = QStringLiteral("rw.example.net");
        c.weather.letterWord = QStringLiteral("Bravo");
        c.weather.metarTail = tail;
        label("Label2").setCaption(QStringLiteral("TL70"));
        label("Label8").setCaption(QString::fromLatin1(station));
        box("Text4").setText(QString::fromLatin1(landing));
        box("Text6").setText(QStringLiteral("12:50"));
    }
    void press(const char* button) { f().button(QString::fromLatin1(button)).userClick(); }
};

TEST_F(AtisTextsTest, TegelWest) {
    weather("EDDT", "26R");
    c.atisTexts().abc1();
    EXPECT_EQ(clipboard(), "rw.example.net/EDDT_TWR\r\n"
                           "This is Berlin Tegel Information Bravo\r\n"
                           "Time 1250 Zulu.\r\n"
                           "Expect ILS RWY 26R approach, take-off on request.\r\n"
                           "RWY 26L for take-off.\r\n"
                           "TL70\r\n"
                           "Wind is 270 at 10 9999 FEW030 18/12 Q1013 NOSIGNOTAM! Please set mode "
                           "-standby- on GND.\r\n"
                           "Advice that you have received information Bravo - OUT.");
}

TEST_F(AtisTextsTest, TegelEastAndSchoenefeld) {
    weather("EDDT", "08L");
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(
        QStringLiteral("Time 1250 Zulu.\r\nExpect ILS RWY 08L approach, take-off on request.\r\n"
                       "RWY 08R for take-off.\r\nTL70\r\n")));

    weather("EDDB", "25L");
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().startsWith(
        QStringLiteral("rw.example.net/EDDB_TWR\r\nThis is Berlin Schönefeld Information Bravo\r\n"
                       "Time 1250 Zulu.\r\nRWY 25L for landing and take-off.\r\nTL70\r\n")));

    weather("EDDB", "07R");
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(QStringLiteral("\r\nRWY 07R for landing and take-off.\r\n")));

    weather("EDDI", "27L");
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(QStringLiteral("/EDDI_TWR\r\nThis is Berlin Tempelhof "
                                                    "Information Bravo\r\nTime 1250 Zulu.\r\n"
                                                    "RWY 27L for landing and take-off.\r\n")));
}

TEST_F(AtisTextsTest, ImmediateContactAtTempelhofEast) {
    weather("EDDI", "09R");
    c.weather.immediateContact = true;
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(QStringLiteral("RWY 09R for landing and take-off.\r\n")));
    EXPECT_TRUE(clipboard().endsWith(
        QStringLiteral("on GND.\r\nImmediately after DEP contact EDBB_APP on 119.62 !\r\n"
                       "Bravo - OUT.")));
}

TEST_F(AtisTextsTest, NoMetarYet) {
    weather("EDDT", "26R", QString());
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(QStringLiteral("\r\nTime  Zulu.\r\n")));
    EXPECT_TRUE(clipboard().contains(
        QStringLiteral("\r\nWind is  at  NOTAM! Please set mode -standby- on GND.\r\n")));
}

TEST_F(AtisTextsTest, MetarWithItsLineBreakEndsTheWindLine) {
    weather("EDDT", "26R", kTail + QStringLiteral("\n"));
    c.atisTexts().abc1();
    EXPECT_TRUE(clipboard().contains(QStringLiteral("Q1013 NOSIG\nNOTAM!")));
}

TEST_F(AtisTextsTest, NoTowerTextLeavesTheClipboard) {
    for (auto [station, landing] :
         {std::pair{"EDDP", "26R"}, std::pair{"", "26R"}, std::pair{"EDDT", ""},
          std::pair{"EDDT", "10 "}, std::pair{"eddt", "26R"}}) {
        s.clipboard.setText(QStringLiteral("kept"));
        weather(station, landing);
        press("Command10");
        EXPECT_EQ(clipboard(), "kept") << station << "/" << landing;
        EXPECT_TRUE(label("Label19").visible());
        EXPECT_EQ(f().focused(), &f().button(QStringLiteral("Command8")));
    }
}

TEST_F(AtisTextsTest, RadarWest) {
    weather("EDDT", "26R");
    press("Command34");
    EXPECT_EQ(clipboard(), "rw.example.net/EDBB_CTR\r\n"
                           "This is Berlin Radar Information Bravo 1250 Z\r\n"
                           "RWY's in use: in direction to the west\r\n"
                           "TL70, See local ATIS or ACARS.\r\n"
                           "NOTAM! Please set mode -standby- on GND.\r\n"
                           "Advice that you have received information Bravo - OUT.");
    EXPECT_TRUE(label("Label19").visible());
    EXPECT_EQ(f().focused(), &f().button(QStringLiteral("Command8")));
}

TEST_F(AtisTextsTest, RadarEastAndWithoutRunway) {
    weather("EDDP", "07R");
    press("Command34");
    EXPECT_TRUE(clipboard().contains(
        QStringLiteral("Z\r\nRWY's in use: in direction to the east\r\nTL70, See")));

    weather("EDDT", "");
    box("Text6").setText(QStringLiteral("Load"));
    press("Command34");
    EXPECT_TRUE(clipboard().contains(
        QStringLiteral("Information Bravo Load Z\r\nTL70, See local ATIS or ACARS.\r\n")));
}

TEST_F(AtisTextsTest, ApproachBothDirections) {
    weather("EDDT", "08L");
    press("Command37");
    EXPECT_EQ(clipboard(), "rw.example.net/EDBB_APP\r\n"
                           "Information Bravo 1250 Z\r\n"
                           "Inform that you have initial contact.\r\n"
                           "EDDT RWY 08L APP 08R DEP\r\n"
                           "EDDI RWY 09R APP/DEP\r\n"
                           "EDDB RWY 07R APP/DEP\r\n"
                           "TL70, See local ATIS or ACARS.");
    EXPECT_EQ(f().focused(), &f().button(QStringLiteral("Command8")));

    weather("EDDB", "25L");
    press("Command37");
    EXPECT_TRUE(clipboard().endsWith(
        QStringLiteral("contact.\r\nEDDT RWY 26R APP 26L DEP\r\nEDDI RWY 27L APP/DEP\r\n"
                       "EDDB RWY 25L APP/DEP\r\nTL70, See local ATIS or ACARS.")));
}

TEST_F(AtisTextsTest, ApproachWithOtherDirectionEndsAfterInitialContact) {
    weather("EDDT", "R26");
    press("Command37");
    EXPECT_EQ(clipboard(), "rw.example.net/EDBB_APP\r\n"
                           "Information Bravo 1250 Z\r\n"
                           "Inform that you have initial contact.\r\n");
}
