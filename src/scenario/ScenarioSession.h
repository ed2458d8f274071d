#pragma once

#include "scenario/ScenarioLexer.h"

#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

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

    // Each returns false after it has reported an error.
    bool prepare(const QString& cmd, const Words& w, bool& handled);
    bool act(const QString& cmd, const Words& w, bool& handled);
    void expect(const Words& w);
    bool expectValue(const Words& w);
    void startConsole();
    void dump();

    // World helpers.
    QString dataPath(const QString& name, bool& ok);
    bool writeDataFile(const QString& name, const QByteArray& bytes);
    bool readSource(const QString& name, QByteArray& bytes);
    void lockFolder(bool locked);

    // Name resolution against the running console; null after an error was reported.
    Form* formOf(const Ref& r);
    Control* control(const QString& word);
    Control* controlOf(const Ref& r);
    static bool reachable(Control& c);

    // Outcome of one expect line.
    void pass();
    void fail(const QString& expected, const QString& got);
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
    int messagesChecked_ = 0;
    std::unique_ptr<fake::Services> services_;
    std::unique_ptr<Console> console_;
};

} // namespace vellaro::scenario
