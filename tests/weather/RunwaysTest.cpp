#include "WeatherFixture.h"

#include "weather/Runways.h"

#include <QDir>

using namespace vellaro;
using vellaro::testing::WeatherTest;

namespace {

const QString kCreated = QStringLiteral(
    "Es wurde die Datei rwy.txt erstellt. Wenn Sie nicht in Berlin controllen sollten, dann "
    "können sie jetzt selber mit einem normalen Texteditor diese Datei nach Ihren Wünschen für "
    "Ihren Flughafen editieren! Diese Meldung erscheint nur, wenn die Datei rwy.txt vorher noch "
    "nicht vorhanden war.");

} // namespace

class RunwaySelection : public WeatherTest {
  protected:
    // Runs the selection for a station and wind, starting from the given boxes.
    std::pair<QString, QString> select(const char* station, const char* wind,
                                       const char* before = "") {
        label("Label8").setCaption(QString::fromLatin1(station));
        box("Text1").setText(QString::fromLatin1(wind));
        box("Text4").setText(QString::fromLatin1(before));
        box("Text5").setText(QString::fromLatin1(before));
        c.runways().loadrwy();
        return {textOf("Text4"), textOf("Text5")};
    }
};

TEST_F(RunwaySelection, MissingFileIsWrittenAnnouncedAndNotReadInTheSameCall) {
    EXPECT_EQ(select("EDDT", "270"), std::make_pair(QString(), QString()));
    ASSERT_EQ(s.messages.shown(), QStringList{kCreated});

    auto file = c.files().readLines(QStringLiteral("rwy.txt"));
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.lines, Runways::defaultLines());
    EXPECT_EQ(file.lines.size(), 14);
    EXPECT_EQ(file.lines[6], "ETNL 10  10 ");
    EXPECT_EQ(file.lines[8], "");
    EXPECT_EQ(file.lines[10], "");
    EXPECT_EQ(file.lines[11], "...jeweils für beide Richtungen eintragen!!!");

    // The next call reads it, without a second message.
    EXPECT_EQ(select("EDDT", "270"), std::make_pair(QStringLiteral("26R"), QStringLiteral("26L")));
    EXPECT_EQ(s.messages.shown().size(), 1);
}

TEST_F(RunwaySelection, DefaultTableSplitsTheCompassAt180) {
    c.runways().loadrwy();
    const struct {
        const char* station;
        const char* wind;
        const char* landing;
        const char* takeoff;
    } cases[] = {
        {"EDDT", "090", "08L", "08R"}, {"EDDT", "270", "26R", "26L"}, {"EDDT", "180", "26R", "26L"},
        {"EDDT", "179", "08L", "08R"}, {"EDDT", "VRB", "08L", "08R"}, {"EDDT", "Err", "08L", "08R"},
        {"EDDI", "270", "27L", "27L"}, {"EDDI", "090", "09R", "09R"}, {"EDDB", "045", "07R", "07R"},
        {"EDDB", "359", "25L", "25L"}, {"ETNL", "100", "10 ", "10 "}, {"ETNL", "280", "28 ", "28 "},
    };
    for (const auto& tc : cases) {
        EXPECT_EQ(select(tc.station, tc.wind, "x"),
                  std::make_pair(QString::fromUtf8(tc.landing), QString::fromUtf8(tc.takeoff)))
            << tc.station << " " << tc.wind;
    }
}

TEST_F(RunwaySelection, StationWithoutALineLeavesTheBoxes) {
    c.runways().loadrwy();
    EXPECT_EQ(select("EDDP", "270", "x"), std::make_pair(QStringLiteral("x"), QStringLiteral("x")));
    // "eddt" would need a line in lower case.
    EXPECT_EQ(select("eddt", "270", "x"), std::make_pair(QStringLiteral("x"), QStringLiteral("x")));
}

TEST_F(RunwaySelection, EmptyStationMatchesTheEmptyLines) {
    c.runways().loadrwy();
    // Their runway number counts as 0: an eastern wind empties both boxes.
    EXPECT_EQ(select("", "090", "x"), std::make_pair(QString(), QString()));
    EXPECT_EQ(select("", "270", "x"), std::make_pair(QStringLiteral("x"), QStringLiteral("x")));
}

TEST_F(RunwaySelection, LaterLineForTheSameDirectionWins) {
    ASSERT_TRUE(c.files().replaceFile(
        QStringLiteral("rwy.txt"), {QStringLiteral("EDDP 26R 26R"), QStringLiteral("EDDP 08R 08L"),
                                    QStringLiteral("EDDP 26L 26R"), QStringLiteral("edDP 08L 08R"),
                                    QStringLiteral("EDD"), QStringLiteral("EDDP")}));
    EXPECT_EQ(select("EDDP", "270"), std::make_pair(QStringLiteral("26L"), QStringLiteral("26R")));
    // The bare "EDDP" line comes last and counts as runway 0: east ends up empty.
    EXPECT_EQ(select("EDDP", "100", "x"), std::make_pair(QString(), QString()));
    // A short line is compared whole.
    EXPECT_EQ(select("EDD", "100", "x"), std::make_pair(QString(), QString()));
    EXPECT_TRUE(s.messages.shown().isEmpty());
}

TEST_F(RunwaySelection, UnreadableFileCreatesAndSaysNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rwy.txt")));
    EXPECT_EQ(select("EDDT", "270", "x"), std::make_pair(QStringLiteral("x"), QStringLiteral("x")));
    EXPECT_TRUE(s.messages.shown().isEmpty());
}
