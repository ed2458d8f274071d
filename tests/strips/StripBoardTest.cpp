#include "BoardFixture.h"

using namespace vellaro;

namespace {

const char* const kBoxes[] = {"Text7", "Text8", "Text9", "Text10", "Text11"};

} // namespace

class StripBoard : public BoardTest {
  protected:
    void expectRow(int row, std::array<const char*, 5> texts, Colour colour) const {
        for (int col = 0; col < 5; ++col) {
            EXPECT_EQ(box(kBoxes[col], row).text(), QString::fromUtf8(texts[col]))
                << kBoxes[col] << "(" << row << ")";
            EXPECT_EQ(box(kBoxes[col], row).foreColor(), colour)
                << kBoxes[col] << "(" << row << ")";
        }
    }
};

TEST_F(StripBoard, ColourToggleCopiesTheClearanceAndJudgesByTheCallsign) {
    start();
    fill(2, "Condor CFG440", "LEPA", "BRANE1L", "5051", "Palma");
    click("Command28");
    EXPECT_EQ(clipboard(), "You're cleared to DEST Palma via BRANE1L DEP, flight planned route, "
                           "initial climb 4000ft, Squawk 5051");
    expectRow(2, {"Condor CFG440", "LEPA", "BRANE1L", "5051", "Palma"}, kRed);
    click("Command28");
    expectRow(2, {"Condor CFG440", "LEPA", "BRANE1L", "5051", "Palma"}, kBlack);

    // Mixed colours: only the callsign box decides.
    box("Text7", 2).setForeColor(kLandingGreen);
    box("Text11", 2).setForeColor(kRed);
    click("Command28");
    expectRow(2, {"Condor CFG440", "LEPA", "BRANE1L", "5051", "Palma"}, kRed);

    // An empty row gives the fixed words only.
    click("Command29");
    EXPECT_EQ(clipboard(), "You're cleared to DEST  via  DEP, flight planned route, initial "
                           "climb 4000ft, Squawk ");
    EXPECT_EQ(box("Text7", 0).foreColor(), kRed);
}

TEST_F(StripBoard, FocusOnACallsignBoxCopiesTheReleaseRequest) {
    start();
    fill(1, "Condor cfg440", "", "BRANE1L", "", "");
    box("Text12").userSetText(QStringLiteral("5000"), 4);
    f1().setFocus(box("Text7", 1));
    EXPECT_EQ(clipboard(), "APP! Request release cfg440 via BRANE1L DEP, IC=5000ft.");
    box("Text7", 3).userSetText(QStringLiteral("ABCDEFGH"), 8);
    f1().setFocus(box("Text7", 3));
    EXPECT_EQ(clipboard(), "APP! Request release BCDEFGH via  DEP, IC=5000ft.");
}

TEST_F(StripBoard, DeleteLogsEmptiesAndTogglesTheRow) {
    start();
    fill(3, "dlh123", "EDDF", "BRANE1L", "5051", "");
    click("Command13");
    expectRow(3, {"", "", "", "", ""}, kRed);
    EXPECT_EQ(f1().focused(), &box("Text7", 3));
    // The clearance of the emptied row is the last thing on the clipboard.
    EXPECT_EQ(clipboard(), "You're cleared to DEST  via  DEP, flight planned route, initial "
                           "climb 4000ft, Squawk ");
    EXPECT_TRUE(readFile("log.txt").startsWith("DLH123.............."));

    // A red row ends black; an empty row still writes a line.
    click("Command13");
    expectRow(3, {"", "", "", "", ""}, kBlack);
    EXPECT_EQ(readFile("log.txt").count("\r\n"), 2);
}

TEST_F(StripBoard, DeletingRowZeroClearsTheClimbTag) {
    start();
    f1().label(QStringLiteral("Label23")).setCaption(QStringLiteral("5"));
    click("Command11");
    EXPECT_EQ(f1().label(QStringLiteral("Label23")).caption(), "5");
    click("Command17");
    EXPECT_EQ(f1().label(QStringLiteral("Label23")).caption(), "");
}

TEST_F(StripBoard, MoveToFirstSwapsTextsAndColours) {
    start();
    fill(0, "AAA1", "EDDF", "R0", "1000", "first");
    fill(3, "BBB2", "LEPA", "R3", "2000", "third");
    box("Text7", 0).setForeColor(kLandingGreen);
    box("Text8", 0).setForeColor(kRed);
    box("Text7", 3).setForeColor(kRed);
    box("Text9", 3).setForeColor(kBlack);
    click("Command23");
    EXPECT_EQ(box("Text7", 0).text(), "BBB2");
    EXPECT_EQ(box("Text11", 0).text(), "third");
    EXPECT_EQ(box("Text7", 0).foreColor(), kRed);
    EXPECT_EQ(box("Text9", 0).foreColor(), kBlack);
    EXPECT_EQ(box("Text8", 0).foreColor(), kDefaultColour);
    expectRow(3, {"AAA1", "EDDF", "R0", "1000", "first"}, kLandingGreen);
}

TEST_F(StripBoard, DeleteAllEmptiesEveryRowWithoutLogging) {
    start();
    fill(0, "AAA1", "EDDF", "R0", "1000", "x");
    fill(6, "BBB2", "LEPA", "R3", "2000", "y");
    box("Text16").setText(QStringLiteral("route"));
    box("Text16").setVisible(true);
    f1().label(QStringLiteral("Label23")).setCaption(QStringLiteral("5"));
    click("Command19");
    for (int row = 0; row < kStripRows; ++row) {
        expectRow(row, {"", "", "", "", ""}, kBlack);
    }
    EXPECT_EQ(box("Text16").text(), "");
    EXPECT_FALSE(box("Text16").visible());
    EXPECT_FALSE(box("Text17").visible());
    EXPECT_EQ(f1().label(QStringLiteral("Label23")).caption(), "5");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("log.txt"))));
}

TEST_F(StripBoard, QuickClearTakesTheCallsignFirstThenTheRest) {
    start();
    fill(4, "DLH1", "EDDF", "R", "1000", "x");
    box("Text4").setText(QStringLiteral("26R"));
    c->form5().setVisible(true);
    box("Text7", 4).userDblClick();
    EXPECT_FALSE(c->form5().property(QStringLiteral("Visible")).toBool());
    EXPECT_EQ(box("Text7", 4).text(), "");
    EXPECT_EQ(box("Text8", 4).text(), "EDDF");
    box("Text7", 4).userDblClick();
    expectRow(4, {"", "", "", "", ""}, kDefaultColour);
}

TEST_F(StripBoard, MarkLandingWithAnEmptyRunwayEndsInABlank) {
    start();
    box("Text11", 5).userDblClick();
    expectRow(5, {"", "", "", "", "Landung RWY "}, kLandingGreen);
    box("Text4").setText(QStringLiteral("26R"));
    box("Text11", 5).userDblClick();
    EXPECT_EQ(box("Text11", 5).text(), "Landung RWY 26R");
}
