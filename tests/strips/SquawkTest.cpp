#include "BoardFixture.h"

using namespace vellaro;

using Squawks = BoardTest;

TEST_F(Squawks, TypingAAssignsAndAdvances) {
    writeFile("squawk.txt", "5051\r\n5057\r\nEDDT\r\n 3\r\n");
    start();
    EXPECT_EQ(box("Text13").text(), "5057");
    box("Text16").setVisible(true);
    box("Text10", 2).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text10", 2).text(), "5057");
    EXPECT_EQ(box("Text13").text(), "5060");
    EXPECT_EQ(c->state.lastSquawk, "5060");
    EXPECT_EQ(f1().focused(), &box("Text11", 2));
    EXPECT_FALSE(box("Text16").visible());

    // Upper case, or more than the one letter, does nothing.
    box("Text10", 3).userType(QStringLiteral("A"));
    box("Text10", 4).userType(QStringLiteral("ba"));
    EXPECT_EQ(box("Text10", 3).text(), "A");
    EXPECT_EQ(box("Text10", 4).text(), "ba");
    EXPECT_EQ(box("Text13").text(), "5060");
}

TEST_F(Squawks, AnEmptyNextSquawkStartsAtTheDefault) {
    start();
    EXPECT_EQ(box("Text13").text(), "");
    box("Text10", 0).userType(QStringLiteral("1"));
    EXPECT_EQ(box("Text13").text(), "5051");
    box("Text13").userSetText(QString(), 0);
    box("Text10", 1).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text10", 1).text(), "5051");
    EXPECT_EQ(box("Text13").text(), "5052");
}

TEST_F(Squawks, ANonNumberIsCopiedAndTheSequenceRestarts) {
    start();
    box("Text13").userSetText(QStringLiteral("VFR"), 3);
    box("Text10", 1).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text10", 1).text(), "VFR");
    EXPECT_EQ(box("Text13").text(), "5051");
    // Next Squawk holding the very letter: the box keeps it, the sequence restarts.
    box("Text13").userSetText(QStringLiteral("a"), 1);
    box("Text10", 2).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text10", 2).text(), "a");
    EXPECT_EQ(box("Text13").text(), "5051");
}

TEST_F(Squawks, StartAndLastButtons) {
    writeFile("squawk.txt", "4601\r\n5051\r\nEDDI\r\n 5\r\n");
    start();
    box("Text10", 0).userType(QStringLiteral("a"));
    box("Text10", 1).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text13").text(), "5053");
    // The file changes behind the console; "S" reads station and letter from it too.
    writeFile("squawk.txt", "4601\r\n7000\r\nEDDB\r\n 9\r\n");
    box("Text6").userSetText(QStringLiteral("12:20"), 0);
    c->weather.letterIndex = 12;
    click("Command38");
    EXPECT_EQ(box("Text13").text(), "4601");
    EXPECT_EQ(c->state.lastSquawk, "5053");
    EXPECT_EQ(box("Text6").text(), "12:20");
    EXPECT_EQ(c->weather.atisStation, "EDDB");
    EXPECT_EQ(c->weather.letterIndex, 9);
    click("Command20");
    EXPECT_EQ(box("Text13").text(), "5053");
}

TEST_F(Squawks, DoubleClickFocusAndInitialClimb) {
    start();
    box("Text10", 3).userSetText(QStringLiteral("1234"), 4);
    box("Text10", 3).userDblClick();
    EXPECT_EQ(box("Text10", 3).text(), "");
    c->form5().setVisible(true);
    f1().setFocus(box("Text10", 3));
    EXPECT_FALSE(c->form5().visible());
    box("Text12").userClick();
    EXPECT_EQ(box("Text12").text(), "");
}

TEST_F(Squawks, ShortFileKeepsTheDefaults) {
    writeFile("squawk.txt", "4601\r\n5051");
    start();
    EXPECT_EQ(c->state.startSquawk, "4601");
    EXPECT_EQ(box("Text13").text(), "5051");
    EXPECT_EQ(box("Text6").text(), "EDDT");
    EXPECT_EQ(c->weather.letterIndex, 1);
    EXPECT_TRUE(s.messages.shown().isEmpty());
}

TEST_F(Squawks, ShutDownWritesTheFileEvenWhenItWasMissing) {
    start();
    box("Text10", 0).userType(QStringLiteral("a"));
    c->weather.letterIndex = 4;
    c->close();
    EXPECT_EQ(readFile("squawk.txt"), "\r\n5052\r\nEDDT\r\n 4\r\n");
}

TEST_F(Squawks, JunkFilesDoNotStopTheConsole) {
    // Binary junk, lone CRs and a line of several megabytes.
    QByteArray junk("\x00\xff\x81\r\r", 5);
    junk += QByteArray(qsizetype(3) * 1024 * 1024, '7');
    junk += "\rEDDT\rxyz";
    writeFile("squawk.txt", junk);
    start();
    EXPECT_EQ(c->state.startSquawk.size(), 3);
    EXPECT_EQ(box("Text13").text(), "");
    EXPECT_EQ(c->weather.atisStation.size(), 3 * 1024 * 1024);
    EXPECT_EQ(c->weather.letterIndex, 0);
    box("Text10", 0).userType(QStringLiteral("a"));
    EXPECT_EQ(box("Text13").text(), "5052");
    c->close();
    EXPECT_EQ(readFile("squawk.txt").count("\r\n"), 4);
}

TEST_F(Squawks, ALockedFolderLosesOnlyTheSave) {
    writeFile("squawk.txt", "5051\r\n5051\r\nEDDT\r\n 1\r\n");
    start();
    c->files().setWriteProtected(true);
    box("Text10", 0).userType(QStringLiteral("a"));
    c->close();
    EXPECT_TRUE(c->ended());
    EXPECT_EQ(readFile("squawk.txt"), "5051\r\n5051\r\nEDDT\r\n 1\r\n");
}
