#include "scenario/ScenarioRunner.h"
#include "console/Console.h"
#include "core/Conventions.h"
#include "scenario/Fakes.h"
#include "scenario/ScenarioSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

struct Result {
    QStringList lines;
    int rc = -1;
    QString last() const { return lines.isEmpty() ? QString() : lines.last(); }
};

class ScenarioRun : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& text) {
        QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    Result run(const QStringList& files) {
        QString buffer;
        QTextStream out(&buffer);
        Result r;
        r.rc = scenario::runFiles(files, out);
        r.lines = buffer.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return r;
    }
    Result run(const QByteArray& text) { return run(QStringList{write("t.scn", text)}); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ScenarioRun, PassingFileExitsZero) {
    const Result r = run("# comment\n"
                         "\n"
                         "   # indented comment\n"
                         "start\n"
                         "expect Form1.Width 11220\n"
                         "expect Text6.Text \"EDDT\"\n"
                         "expect Text6.Text EDDT\n"
                         "expect alive\n");
    EXPECT_EQ(r.lines, QStringList{"4 passed, 0 failed"});
    EXPECT_EQ(r.rc, 0);
}

TEST_F(ScenarioRun, FailLinesNameFileAndLineAndCarryOn) {
    const QString path = write("f.scn", "start\r\n"
                                        "expect Text6.Text \"EDDB\"\r\n"
                                        "expect Form1.Height 1760\r\n"
                                        "expect Form1.Left 0\r\n"
                                        "expect ended\r\n");
    const Result r = run(QStringList{path});
    ASSERT_EQ(r.lines.size(), 4);
    EXPECT_EQ(r.lines[0], "FAIL " + path + ":2: expected Text6.Text \"EDDB\", got \"EDDT\"");
    EXPECT_EQ(r.lines[1], "FAIL " + path + ":4: expected Form1.Left 0, got 2070");
    EXPECT_EQ(r.lines[2], "FAIL " + path + ":5: expected ended, got alive");
    EXPECT_EQ(r.last(), "1 passed, 3 failed");
    EXPECT_EQ(r.rc, 1);
}

TEST_F(ScenarioRun, ErrorsCountAsFailures) {
    const QString path = write("e.scn", "expect Text6.Text \"EDDT\"\n" // before start
                                        "click Check1\n"               // acting before start
                                        "start\n"
                                        "start\n"
                                        "expect Text99.Text \"\"\n"
                                        "expect Text7.Text \"\"\n"
                                        "expect Text6.Txet \"\"\n"
                                        "expect Form9.Height 0\n"
                                        "expect ConsoleState.nothing 0\n"
                                        "frobnicate Text6\n"
                                        "type Text6 \"open\n"
                                        "key Text6 112\n"
                                        "type Label18 \"x\"\n"
                                        "wait soon\n"
                                        "expect Text6.Text \"EDDT\"\n");
    const Result r = run(QStringList{path});
    const QString at = "ERROR " + path + ":";
    const QStringList want = {at + "1: the console has not been started (start comes first)",
                              at + "2: the console has not been started (start comes first)",
                              at + "4: the console has already been started",
                              at + "5: unknown control: Text99",
                              at + "6: unknown control: Text7 (a control array: give an index)",
                              at + "7: unknown property: Text6.Txet",
                              at + "8: unknown window: Form9",
                              at + "9: unknown state field: ConsoleState.nothing",
                              at + "10: unknown command: frobnicate",
                              at + "11: unterminated quoted text",
                              at + "12: Text6 does not have the focus",
                              at + "13: Label18 is not a text box",
                              at + "14: not a whole number: soon",
                              "1 passed, 13 failed"};
    EXPECT_EQ(r.lines, want);
    EXPECT_EQ(r.rc, 1);
}

TEST_F(ScenarioRun, CommandWordsMatchWholeInAnyCaseButNeverQuoted) {
    const QString path = write("w.scn", "click Check1 extra\n" // the console before the count
                                        "START now\n"
                                        "\"start\"\n"
                                        "Start\n"
                                        "CLICK Check1\n"
                                        "Expect Check1.Value 0\n"
                                        "EXPECT ALIVE\n"
                                        "expect FOCUS Check1\n"
                                        "clicks Check1\n"
                                        "no-file a.txt\n" // an expect form, not a command
                                        "expect \"focus\" Check1\n"
                                        "expect frobnicate now\n"
                                        "expect start now\n"
                                        "expect\n"
                                        "expect frobnicate\n"
                                        "expect focus\n"
                                        "expect ended now\n"
                                        "file-from a.txt\n"
                                        "type Text6\n");
    const Result r = run(QStringList{path});
    const QString at = "ERROR " + path + ":";
    const QStringList want = {at + "1: the console has not been started (start comes first)",
                              at + "2: usage: start",
                              at + "3: unknown command: start",
                              at + "9: unknown command: clicks",
                              at + "10: unknown command: no-file",
                              at + "11: no property given: focus",
                              at + "12: no property given: frobnicate",
                              at + "13: no property given: start",
                              at + "14: usage: expect WHAT ...",
                              at + "15: usage: expect NAME.Property VALUE",
                              at + "16: usage: expect focus CTRL",
                              at + "17: usage: expect ended",
                              at + "18: usage: file-from NAME SRC",
                              at + "19: usage: type CTRL \"text\"",
                              "3 passed, 14 failed"};
    EXPECT_EQ(r.lines, want);
}

TEST_F(ScenarioRun, EscapesAndCodePageInDataFiles) {
    const Result r =
        run("file a.txt \"say \\\"hi\\\"\\r\\nback\\\\slash\\ttab\\r\\nGr\xc3\xbc\xc3\x9f"
            "e \xe2\x82\xac\"\n"
            "start\n"
            "expect file-lines a.txt 3\n"
            "expect file-line a.txt 1 \"say \\\"hi\\\"\"\n"
            "expect file-line a.txt 2 \"back\\\\slash\\ttab\"\n"
            "expect file-line a.txt 3 \"Gr\xc3\xbc\xc3\x9f"
            "e \xe2\x82\xac\"\n"
            "expect file a.txt \"say \\\"hi\\\"\\r\\nback\\\\slash\\ttab\\r\\nGr"
            "\xc3\xbc\xc3\x9f"
            "e \xe2\x82\xac\"\n"
            "expect file-line a.txt 4 \"\"\n");
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].endsWith(":8: expected line 4 of a.txt \"\", got no line 4 (the file "
                                    "has 3 lines)"))
        << r.lines[0].toStdString();
    EXPECT_EQ(r.last(), "5 passed, 1 failed");
}

TEST_F(ScenarioRun, DataFileBytesAreWindows1252AndLinesEndAtCr) {
    QString buffer;
    QTextStream out(&buffer);
    scenario::Session s("t", dir.path(), out);
    s.runLine(1, "file a.txt \"\xc3\xbc\xe2\x82\xac\\r\\n\"");
    s.runLine(2, "file b.txt \"one\\rtwo\\nstill two\\r\\nthree\"");
    s.runLine(3, "start");
    QFile f(QDir(s.dataDir()).filePath("a.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xfc\x80\r\n"));
    s.runLine(4, "expect file-lines b.txt 3");
    s.runLine(5, "expect file-line b.txt 2 \"two\\nstill two\"");
    s.runLine(6, "expect file-line b.txt 3 \"three\"");
    EXPECT_EQ(s.passed(), 3);
    EXPECT_EQ(s.failed(), 0);
}

TEST_F(ScenarioRun, HexNumbersAndDefaultColours) {
    const Result r = run("start\n"
                         "expect Form4.Check1(0).BackColor &HFF00\n"
                         "expect Form4.Check1(0).BackColor &hff00&\n"
                         "expect Form4.Check1(0).BackColor 65280\n"
                         "expect Text6.BackColor default\n"
                         "expect Text6.BackColor -1\n"
                         "expect Form1.Width &H2BD4\n"
                         "expect Form4.Check1(0).BackColor &H8000000F\n");
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(
        r.lines[0].endsWith(":8: expected Form4.Check1(0).BackColor &H8000000F, got &HFF00"))
        << r.lines[0].toStdString();
    EXPECT_EQ(r.last(), "6 passed, 1 failed");
}

TEST_F(ScenarioRun, BooleansAndQualifiedNames) {
    const Result r = run("start\n"
                         "expect Form1.TopMost true\n"
                         "expect Form1.TopMost 1\n"
                         "expect Form1.TopMost True\n"
                         "expect Form4.Visible false\n"
                         "expect Form2.Visible 0\n"
                         "expect Form1.Timer2.Enabled true\n"
                         "expect Timer1.Enabled false\n"
                         "expect Timer2.Interval 60000\n"
                         "expect Check1.Value 1\n"
                         "expect Combo1.ListCount 22\n"
                         "expect Combo1.List(1) \"FL50\"\n"
                         "expect text6.text EDDT\n"
                         "expect Form1.TopMost maybe\n");
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].endsWith(":14: expected Form1.TopMost maybe, got true"));
    EXPECT_EQ(r.last(), "12 passed, 1 failed");
}

TEST_F(ScenarioRun, TwoFilesCountTogetherEachOnAFreshFolder) {
    const QString one = write("one.scn", "file left.txt \"x\"\n"
                                         "start\n"
                                         "click Check1\n"
                                         "expect Check1.Value 0\n"
                                         "expect file left.txt \"x\"\n");
    const QString two = write("two.scn", "start\n"
                                         "expect Check1.Value 1\n"
                                         "expect no-file left.txt\n"
                                         "expect Form1.TopMost false\n");
    const Result r = run(QStringList{one, two});
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].startsWith("FAIL " + two + ":4: "));
    EXPECT_EQ(r.last(), "4 passed, 1 failed");
    EXPECT_EQ(r.rc, 1);
}

TEST_F(ScenarioRun, MissingScenarioFileIsAnError) {
    const QString missing = dir.filePath("nowhere.scn");
    const QString ok = write("ok.scn", "start\nexpect alive\n");
    const Result r = run(QStringList{missing, ok});
    EXPECT_EQ(r.lines, (QStringList{"ERROR " + missing + ":0: cannot read the scenario file",
                                    "1 passed, 1 failed"}));
}

TEST_F(ScenarioRun, ScriptsReachHiddenControlsButNotTimers) {
    const Result r = run("start\n"
                         // Form4 is loaded but hidden at start-up.
                         "click Form4.Check1(0)\n"
                         "expect Form4.Check1(0).Value 1\n"
                         "expect Form4.Visible false\n"
                         // Form3 is not created yet: the touch creates it.
                         "click Form3.Command1\n"
                         "expect Form3.Visible false\n"
                         // Timers are never visible.
                         "click Timer2\n"
                         "expect Timer2.Enabled true\n"
                         "click Check1\n"
                         "expect Check1.Value 0\n"
                         "expect Form1.TopMost false\n"
                         "dblclick Check1\n"
                         "expect Check1.Value 0\n");
    EXPECT_EQ(r.lines, QStringList{"7 passed, 0 failed"});
}

TEST_F(ScenarioRun, TypingFocusesKeysNeedTheFocus) {
    const Result r = run("start\n"
                         "type Text11(3) \"ab\"\n"
                         "expect focus Text11(3)\n"
                         "expect Text11(3).SelStart 2\n"
                         "backspace Text11(3) 1\n"
                         "expect Text11(3).Text \"a\"\n"
                         "press Text11(3) 99\n"
                         "expect Text11(3).Text \"ac\"\n"
                         "set Text11(4) \"whole\"\n"
                         "expect focus Text11(3)\n"
                         "expect Text11(4).SelStart 5\n"
                         "focus Check1\n"
                         "press Check1 32\n"
                         "expect Check1.Value 0\n"
                         "expect Form1.TopMost false\n"
                         "press Text11(3) 100\n");
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].endsWith(":16: Text11(3) does not have the focus"));
    EXPECT_EQ(r.last(), "8 passed, 1 failed");
}

TEST_F(ScenarioRun, EndedConsoleIgnoresActionsButStillParses) {
    const Result r = run("start\n"
                         "close\n"
                         "expect ended\n"
                         "click Check1\n"
                         "type Text7(0) \"x\"\n"
                         "close\n"
                         "expect Check1.Value 1\n"
                         "expect Text7(0).Text \"\"\n"
                         "expect Form1.Visible false\n"
                         "click NoSuchThing\n");
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_TRUE(r.lines[0].endsWith(":10: unknown control: NoSuchThing"));
    EXPECT_EQ(r.last(), "4 passed, 1 failed");
}

TEST_F(ScenarioRun, WorldCommandsReachTheStandIns) {
    write("page.txt", "caf\xe9 body");
    write("src.bin", "\x01\x02\xff");
    QString buffer;
    QTextStream out(&buffer);
    scenario::Session s("w", dir.path(), out);
    int n = 0;
    for (const char* line :
         {"clock \"2024-05-06\" \"12:34:56\"", "screen 1280 1024", "cursor 10 20",
          "clipboard \"on the board\"", "serve \"metar\" \"EDDT 061220Z\"",
          "serve-file \"page\" page.txt", "fail \"down\"", "busy true",
          "file-from copy.bin src.bin", "pcfile \"1 .ab text \xc3\xa4\"", "start"}) {
        s.runLine(++n, QString::fromUtf8(line));
    }
    ASSERT_NE(s.console(), nullptr);
    fake::Services& f = s.services();
    EXPECT_EQ(timeText(s.console()->platform().clock), "12:34:56");
    EXPECT_EQ(dateText(s.console()->platform().clock), "06.05.2024");
    EXPECT_EQ(s.console()->form1().left(), (1280 * 15 - 11220) / 2);
    EXPECT_TRUE(f.http.busy());
    EXPECT_EQ(f.http.get("http://x/metar.php?id=EDDT"), "EDDT 061220Z");
    EXPECT_EQ(f.http.get("http://x/page"), QString::fromUtf8("caf\xc3\xa9 body"));
    EXPECT_EQ(f.http.get("http://x/down/metar"), QString());
    s.runLine(++n, "expect requested \"page\"");
    s.runLine(++n, "expect no-request");
    s.runLine(++n, "expect cursor 10 20");
    s.runLine(++n, "expect clipboard \"on the board\"");
    QFile copy(QDir(s.dataDir()).filePath("copy.bin"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("\x01\x02\xff"));

    // The macro file lies outside the data folder, where the console looks for it.
    const QString macro = s.console()->platform().proControllerMacroFile;
    EXPECT_EQ(macro, s.macroFile());
    EXPECT_FALSE(QFileInfo(macro).absolutePath().startsWith(s.dataDir()));
    QFile m(macro);
    ASSERT_TRUE(m.open(QIODevice::ReadOnly));
    EXPECT_EQ(m.readAll(), QByteArray("1 .ab text \xe4"));

    // Setting the clock later leaves running timers due when they were.
    s.runLine(++n, "wait 400");
    s.runLine(++n, "clock \"2024-05-07\" \"08:00:00\"");
    EXPECT_EQ(timeText(s.console()->platform().clock), "08:00:00");
    EXPECT_TRUE(f.clock.isScheduled(s.console()->form1().timer("Timer3")));
    s.runLine(++n, "wait 1000");
    EXPECT_EQ(timeText(s.console()->platform().clock), "08:00:01");
    EXPECT_EQ(s.passed(), 4);
    EXPECT_EQ(s.failed(), 0) << buffer.toStdString();
}

TEST_F(ScenarioRun, RequestsInputsMessagesAreConsumedInOrder) {
    QString buffer;
    QTextStream out(&buffer);
    scenario::Session s("r", dir.path(), out);
    s.runLine(1, "start");
    fake::Services& f = s.services();
    f.http.get("http://a/one");
    f.http.get("http://a/two");
    s.runLine(2, "expect requested \"one\"");
    s.runLine(3, "expect requested \"two\""); // consumed by line 2
    s.runLine(4, "expect no-request");
    f.input.setCursorPos(3, 4);
    f.input.mouse(MouseAction::LeftDown);
    f.input.sendKeys("{F11}");
    s.runLine(5, "expect inputs \"move 3 4; left-down; keys {F11}\"");
    s.runLine(6, "expect inputs \"\"");
    s.console()->platform().messages.show("first");
    s.console()->platform().messages.show("second");
    s.runLine(7, "expect no-message");
    s.runLine(8, "expect message \"first\"");
    s.runLine(9, "expect message \"second\"");
    s.runLine(10, "expect no-message");
    s.runLine(11, "expect message \"third\"");
    f.launcher.start("notepad", {"log.txt"});
    f.beeper.beep();
    s.runLine(12, "expect launched \"notepad log.txt\"");
    s.runLine(13, "expect beeps 1");
    EXPECT_EQ(buffer.split('\n', Qt::SkipEmptyParts),
              (QStringList{"FAIL r:3: expected a request for \"two\", got no request",
                           "FAIL r:7: expected no message, got message \"first\" and 1 more",
                           "FAIL r:11: expected message \"third\", got no message"}));
    EXPECT_EQ(s.passed(), 9);
}

TEST_F(ScenarioRun, ReadonlyMakesTheConsoleWritesFail) {
    QString buffer;
    QTextStream out(&buffer);
    scenario::Session before("b", dir.path(), out);
    before.runLine(1, "file keep.txt \"old\"");
    before.runLine(2, "readonly");
    before.runLine(3, "start");
    const DataFiles& files = before.console()->files();
    EXPECT_FALSE(files.replaceFile("keep.txt", {"new"}));
    EXPECT_FALSE(files.appendLines("keep.txt", {"more"}));
    EXPECT_FALSE(files.replaceFile("fresh.txt", {"x"}));
    // The script itself still prepares the world.
    before.runLine(4, "file keep.txt \"script\"");
    before.runLine(5, "expect file keep.txt \"script\"");
    before.runLine(6, "expect no-file fresh.txt");
    before.runLine(7, "nofile keep.txt");
    before.runLine(8, "expect no-file keep.txt");
    EXPECT_EQ(before.passed(), 3);

    scenario::Session after("a", dir.path(), out);
    after.runLine(1, "start");
    EXPECT_TRUE(after.console()->files().replaceFile("x.txt", {"1"}));
    after.runLine(2, "readonly");
    EXPECT_FALSE(after.console()->files().replaceFile("x.txt", {"2"}));
    after.runLine(3, "expect file x.txt \"1\\r\\n\"");
    EXPECT_EQ(after.passed(), 1);
    EXPECT_TRUE(buffer.isEmpty()) << buffer.toStdString();
}

TEST_F(ScenarioRun, DataFileNamesStayInTheDataFolder) {
    const Result r = run("file ../escape.txt \"x\"\n"
                         "file /tmp/abs.txt \"x\"\n"
                         "start\n"
                         "expect no-file ../escape.txt\n");
    ASSERT_EQ(r.lines.size(), 4);
    EXPECT_TRUE(r.lines[0].endsWith(":1: not a file name in the data folder: ../escape.txt"));
    EXPECT_FALSE(QFile::exists(dir.filePath("escape.txt")));
    EXPECT_EQ(r.last(), "0 passed, 3 failed");
}

TEST_F(ScenarioRun, DumpPrintsControlsAndStateButChecksNothing) {
    const Result r = run("start\ndump\n");
    EXPECT_EQ(r.last(), "0 passed, 0 failed");
    EXPECT_TRUE(std::any_of(r.lines.begin(), r.lines.end(), [](const QString& l) {
        return l.startsWith("Form1.Text6 Text=\"EDDT\"");
    }));
    EXPECT_TRUE(r.lines.contains("WeatherState.atisStation = \"EDDT\""));
}

TEST_F(ScenarioRun, ClickMovesTheFocusBeforeTheHandler) {
    // Clicking the callsign box gives it the focus: its got-focus puts the release
    // request on the clipboard before the click runs.
    const Result r = run("start\n"
                         "set Text9(1) \"BRANE1L\"\n"
                         "click Text7(1)\n"
                         "expect focus Text7(1)\n"
                         "expect clipboard \"APP! Request release  via BRANE1L DEP, IC=4000ft.\"\n"
                         "click Command27\n"
                         "expect focus Command27\n"
                         "dblclick Text10(2)\n"
                         "expect focus Text10(2)\n"
                         "click Label4\n"
                         "expect focus Text10(2)\n");
    EXPECT_EQ(r.last(), "5 passed, 0 failed");
}
