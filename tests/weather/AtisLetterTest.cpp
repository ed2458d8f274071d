#include "WeatherFixture.h"

#include "weather/AtisLetter.h"

using namespace vellaro;
using vellaro::testing::WeatherTest;

using AtisLetterTest = WeatherTest;

TEST_F(AtisLetterTest, RunsThroughTheAlphabetAndWraps) {
    QStringList words;
    for (int i = 0; i < 28; ++i) {
        c.atisLetter().abc();
        words << c.weather.letterWord;
    }
    EXPECT_EQ(words[5], "Fox");
    EXPECT_EQ(words[16], "Quebek");
    EXPECT_EQ(words[23], "X-Ray");
    EXPECT_EQ(words[25], "Zulu");
    EXPECT_EQ(words[26], "Alpha");
    EXPECT_EQ(words[27], "Bravo");
    EXPECT_EQ(c.weather.letterIndex, 3);
}

TEST_F(AtisLetterTest, ZuluLeaves27AndTheNextIsAlphaWithIndex2) {
    c.weather.letterIndex = 26;
    c.atisLetter().abc();
    EXPECT_EQ(c.weather.letterWord, "Zulu");
    EXPECT_EQ(c.weather.letterIndex, 27);
    c.atisLetter().abc();
    EXPECT_EQ(c.weather.letterWord, "Alpha");
    EXPECT_EQ(c.weather.letterIndex, 2);
}

TEST_F(AtisLetterTest, AnIndexOutsideTheAlphabetRestartsAtAlpha) {
    for (double bad : {0.0, -3.0, 28.0, 100.0, 2.5}) {
        c.weather.letterWord = QStringLiteral("Mike");
        c.weather.letterIndex = bad;
        c.atisLetter().abc();
        EXPECT_EQ(c.weather.letterWord, "Alpha") << bad;
        EXPECT_EQ(c.weather.letterIndex, 2) << bad;
    }
}

TEST_F(AtisLetterTest, TypingALetterSelectsItsWord) {
    box("Text18").setSelStart(1);
    box("Text18").userBackspace(1);
    box("Text18").userType(QStringLiteral("c"));
    EXPECT_EQ(textOf("Text18"), "C");
    EXPECT_EQ(c.weather.letterWord, "Charlie");
    EXPECT_EQ(c.weather.letterIndex, 4);

    box("Text18").setText(QStringLiteral("z"));
    EXPECT_EQ(textOf("Text18"), "Z");
    EXPECT_EQ(c.weather.letterWord, "Zulu");
    EXPECT_EQ(c.weather.letterIndex, 27);
}

TEST_F(AtisLetterTest, StrayCharactersLeaveTheSequenceAlone) {
    box("Text18").setText(QStringLiteral("k"));
    for (const char* stray : {"5", "-", "ä", "?"}) {
        box("Text18").setText(QString::fromUtf8(stray));
        EXPECT_EQ(c.weather.letterWord, "Kilo") << stray;
        EXPECT_EQ(c.weather.letterIndex, 12) << stray;
    }
}

TEST_F(AtisLetterTest, DoubleClickEmptiesTheBoxOnly) {
    box("Text18").setText(QStringLiteral("D"));
    box("Text18").userDblClick();
    EXPECT_EQ(textOf("Text18"), "");
    EXPECT_EQ(c.weather.letterWord, "Delta");
    EXPECT_EQ(c.weather.letterIndex, 5);
}

TEST_F(AtisLetterTest, RestartWithoutFlashLeavesIndexAtOne) {
    box("Text18").setText(QStringLiteral("A"));
    c.weather.letterIndex = 9;
    c.atisLetter().restartAtAlpha(false);
    EXPECT_EQ(textOf("Text18"), "A");
    EXPECT_EQ(c.weather.letterWord, "Alpha");
    EXPECT_EQ(c.weather.letterIndex, 1);
    EXPECT_FALSE(f().timer(QStringLiteral("Timer6")).isEnabled());
    EXPECT_TRUE(label("Label18").visible());
    // The first new observation after a restart is Alpha again.
    c.atisLetter().abc();
    EXPECT_EQ(c.weather.letterWord, "Alpha");
}

TEST_F(AtisLetterTest, Label17FlashesOkForOneSecondAndComposesTheTowerText) {
    decode(QStringLiteral("EDDT 121250Z 09005KT CAVOK Q1025"));
    label("Label8").setCaption(QStringLiteral("EDDT"));
    box("Text4").setText(QStringLiteral("08L"));
    label("Label26").setVisible(true);
    box("Text18").setText(QStringLiteral("M"));

    label("Label17").userDblClick();
    EXPECT_EQ(textOf("Text18"), "A");
    EXPECT_EQ(c.weather.letterIndex, 1);
    EXPECT_FALSE(label("Label18").visible());
    EXPECT_TRUE(label("Label19").visible());
    EXPECT_TRUE(clipboard().contains(QStringLiteral("This is Berlin Tegel Information Alpha\r\n")));
    EXPECT_TRUE(clipboard().endsWith(QStringLiteral("received information Alpha - OUT.")));

    s.clock.advance(999);
    EXPECT_TRUE(label("Label19").visible());
    s.clock.advance(1);
    EXPECT_FALSE(label("Label19").visible());
    EXPECT_FALSE(label("Label26").visible());
    EXPECT_TRUE(label("Label18").visible());
    EXPECT_FALSE(f().timer(QStringLiteral("Timer6")).isEnabled());
}
