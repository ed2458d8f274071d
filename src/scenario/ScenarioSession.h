#pragma once

#include "scenario/ScenarioLexer.h"

#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace vellaro {
class Console;
class Control;
class Form;
namespace fake {
struct Services;
}
} // namespace vellaro

namespace vellaro::scenario {

// One scenario file being played: its temporary folders, the stand-ins, and the
// console once `start` has run. Lines are fed in one at a time.
class Session {
  public:
    // label is the file name as given on the command line; baseDir is the folder
    // that relative source files are taken from.
    Session(QString label, QString baseDir, QTextStream& out);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void runLine(int lineNumber, const QString& line);

    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // Reports a problem that is not tied to a command (line 0 for the file itself).
    void error(int lineNumber, const QString& why);

    // For tests: the console once started, the stand-ins, the data folder.
    Console* console() const { return console_.get(); }
    fake::Services& services() const { return *services_; }
    const QString& dataDir() const { return dataDir_; }
    const QString& macroFile() const { return macroFile_; }

  private:
    using Words = QList<Word>;

    // One word of the language and what runs it. Scripts may write the word in
    // any case; a quoted word is never a command.
    struct Command {
        const char* word;  // lower case
        int words;         // on the whole line, command word(s) included; 0: the handler counts
        const char* usage; // shown when the count is wrong
        bool needsConsole; // only once `start` has run
        void (Session::*run)(const Words& w);
    };
    using Table = std::span<const Command>;
    static Table commands(); // the first word of a line
    static Table checks();   // the word after `expect`
    // Runs the entry that w[at] names; false when the table has none.
    bool dispatch(Table table, const Words& w, qsizetype at);

    // Preparing the world (ScenarioWorld.cpp).
    void cmdFile(const Words& w);
    void cmdFileFrom(const Words& w);
    void cmdNofile(const Words& w);
    void cmdReadonly(const Words& w);
    void cmdPcfile(const Words& w);
    void cmdClock(const Words& w);
    void cmdScreen(const Words& w);
    void cmdCursor(const Words& w);
    void cmdClipboard(const Words& w);
    void cmdServe(const Words& w);
    void cmdServeFile(const Words& w);
    void cmdFail(const Words& w);
    void cmdBusy(const Words& w);
    void cmdServices(const Words& w);
    void applyServiceTable();
    void cmdAtcClient(const Words& w);
    void cmdAtcAnswer(const Words& w);
    void cmdAtcPush(const Words& w);
    void cmdStart(const Words& w);

    // Acting as the user (ScenarioActions.cpp).
    void cmdClick(const Words& w);
    void cmdDblclick(const Words& w);
    void cmdMousedown(const Words& w);
    void cmdFocus(const Words& w);
    void cmdTab(const Words& w);
    void cmdBacktab(const Words& w);
    void tabIn(bool backwards);
    void cmdType(const Words& w);
    void cmdBackspace(const Words& w);
    void cmdSet(const Words& w);
    void cmdKey(const Words& w);
    void cmdPress(const Words& w);
    void cmdSelect(const Words& w);
    void cmdClose(const Words& w);
    void cmdWait(const Words& w);
    void cmdDump(const Words& w);

    // Checking (ScenarioChecks.cpp): `expect WHAT ...`, then one handler per WHAT.
    void cmdExpect(const Words& w);
    void expectFocus(const Words& w);
    void expectClipboard(const Words& w);
    void expectMessage(const Words& w);
    void expectNoMessage(const Words& w);
    void expectFile(const Words& w);
    void expectFileLine(const Words& w);
    void expectFileLines(const Words& w);
    void expectNoFile(const Words& w);
    void expectRequested(const Words& w);
    void expectNoRequest(const Words& w);
    void expectInputs(const Words& w);
    void expectCursor(const Words& w);
    void expectLaunched(const Words& w);
    void expectBeeps(const Words& w);
    void expectEnded(const Words& w);
    void expectAlive(const Words& w);
    void expectAtcSent(const Words& w);
    void expectAtcNone(const Words& w);
    void expectValue(const Words& w);
    void dump();

    // World helpers; each returns false after it has reported an error.
    QString dataPath(const QString& name, bool& ok);
    bool writeDataFile(const QString& name, const QByteArray& bytes);
    bool readDataFile(const QString& name, std::optional<QString>& text);
    bool readSource(const QString& name, QByteArray& bytes);
    void lockFolder(bool locked);
    void withFolderOpen(const std::function<void()>& change);
    bool twoNumbers(const Words& w, qint64& a, qint64& b);

    // Name resolution against the running console; null after an error was reported.
    std::optional<Ref> parsed(std::optional<Ref> (*parse)(const QString&, QString&),
                              const QString& word);
    Form* formOf(const Ref& r);
    Control* control(const QString& word);
    Control* controlOf(const Ref& r);
    template <typename T> T* kindOf(Control& c, const Word& name, const char* kind);
    QVariant valueOf(const Ref& r);
    static bool reachable(Control& c);
    bool userReaches(Control& c);
    void clickOn(const Word& name, void (Control::*event)());
    void keyOn(const Words& w, void (Control::*event)(int));

    // Outcome of one expect line.
    void pass();
    void fail(const QString& expected, const QString& got);
    void check(bool ok, const QString& expected, const QString& got);
    void checkText(const char* what, const Word& want, const QString& got, const QString& shown);
    bool usage(const Words& w, int count, const char* how);
    bool needStarted();
    bool number(const Word& w, qint64& v);

    QString label_;
    QString baseDir_;
    QTextStream& out_;
    int line_ = 0;
    int passed_ = 0;
    int failed_ = 0;

    QTemporaryDir tmp_;
    QString dataDir_;
    QString macroFile_;
    bool readOnly_ = false;
    bool liveServices_ = false;
    int messagesChecked_ = 0;
    std::unique_ptr<fake::Services> services_;
    std::unique_ptr<Console> console_;
};

} // namespace vellaro::scenario
