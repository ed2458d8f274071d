#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "core/DataFiles.h"
#include "scenario/Fakes.h"

#include <QDir>

#include <algorithm>

namespace vellaro::scenario {

Session::Session(QString label, QString baseDir, QTextStream& out)
    : label_(std::move(label)), baseDir_(std::move(baseDir)), out_(out) {
    // The data folder and the ATC client's folder sit side by side, so the macro
    // file never shows up among the data files.
    dataDir_ = tmp_.path() + QStringLiteral("/data");
    macroFile_ = tmp_.path() + QStringLiteral("/ProController/shortcut.txt");
    if (!tmp_.isValid() || !QDir().mkpath(dataDir_)) {
        error(0, QStringLiteral("cannot create a temporary data folder"));
    }
    services_ = std::make_unique<fake::Services>(dataDir_, macroFile_);
}

Session::~Session() {
    console_.reset();
    // The temporary folder must be removable again.
    if (readOnly_) {
        lockFolder(false);
    }
}

Session::Table Session::commands() {
    // Words before `start` need no console; the user's acts and the checks do.
    static constexpr Command table[] = {
        {"file", 3, "file NAME \"text\"", false, &Session::cmdFile},
        {"file-from", 3, "file-from NAME SRC", false, &Session::cmdFileFrom},
        {"nofile", 2, "nofile NAME", false, &Session::cmdNofile},
        {"readonly", 1, "readonly", false, &Session::cmdReadonly},
        {"pcfile", 2, "pcfile \"text\"", false, &Session::cmdPcfile},
        {"clock", 3, "clock \"YYYY-MM-DD\" \"HH:MM:SS\"", false, &Session::cmdClock},
        {"screen", 3, "screen W H", false, &Session::cmdScreen},
        {"cursor", 3, "cursor X Y", false, &Session::cmdCursor},
        {"clipboard", 2, "clipboard \"text\"", false, &Session::cmdClipboard},
        {"serve", 3, "serve \"part\" \"body\"", false, &Session::cmdServe},
        {"serve-file", 3, "serve-file \"part\" NAME", false, &Session::cmdServeFile},
        {"fail", 2, "fail \"part\"", false, &Session::cmdFail},
        {"busy", 2, "busy true/false", false, &Session::cmdBusy},
        {"services", 2, "services classic/live", false, &Session::cmdServices},
        {"atc-client", 2, "atc-client on/off", false, &Session::cmdAtcClient},
        {"atc-answer", 3, "atc-answer \"request\" \"answer\"", false, &Session::cmdAtcAnswer},
        {"atc-push", 2, "atc-push \"line\"", false, &Session::cmdAtcPush},
        {"start", 1, "start", false, &Session::cmdStart},
        {"click", 2, "click CTRL", true, &Session::cmdClick},
        {"dblclick", 2, "dblclick CTRL", true, &Session::cmdDblclick},
        {"mousedown", 2, "mousedown CTRL", true, &Session::cmdMousedown},
        {"focus", 2, "focus CTRL", true, &Session::cmdFocus},
        {"type", 3, "type CTRL \"text\"", true, &Session::cmdType},
        {"backspace", 3, "backspace CTRL N", true, &Session::cmdBackspace},
        {"set", 3, "set CTRL \"text\"", true, &Session::cmdSet},
        {"key", 3, "key CTRL CODE", true, &Session::cmdKey},
        {"press", 3, "press CTRL CODE", true, &Session::cmdPress},
        {"select", 3, "select CTRL I", true, &Session::cmdSelect},
        {"tab", 1, "tab", true, &Session::cmdTab},
        {"backtab", 1, "backtab", true, &Session::cmdBacktab},
        {"close", 1, "close", true, &Session::cmdClose},
        {"wait", 2, "wait MS", true, &Session::cmdWait},
        {"dump", 1, "dump", true, &Session::cmdDump},
        {"expect", 0, "expect WHAT ...", true, &Session::cmdExpect},
    };
    return table;
}

void Session::runLine(int lineNumber, const QString& line) {
    line_ = lineNumber;
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char('#'))) {
        return;
    }
    Words w;
    QString why;
    if (!splitWords(t, w, why)) {
        error(line_, why);
        return;
    }
    if (!dispatch(commands(), w, 0)) {
        error(line_, QStringLiteral("unknown command: %1").arg(w[0].text));
    }
}

bool Session::dispatch(Table table, const Words& w, qsizetype at) {
    const QString word = w[at].quoted ? QString() : w[at].text.toLower();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const Command& c) { return word == QLatin1String(c.word); });
    if (it == table.end()) {
        return false;
    }
    if ((!it->needsConsole || needStarted()) &&
        (it->words == 0 || usage(w, it->words, it->usage))) {
        (this->*it->run)(w);
    }
    return true;
}

void Session::error(int lineNumber, const QString& why) {
    ++failed_;
    out_ << "ERROR " << label_ << ':' << lineNumber << ": " << why << '\n';
    out_.flush();
}

void Session::pass() {
    ++passed_;
}

void Session::fail(const QString& expected, const QString& got) {
    ++failed_;
    out_ << "FAIL " << label_ << ':' << line_ << ": expected " << expected << ", got " << got
         << '\n';
    out_.flush();
}

void Session::check(bool ok, const QString& expected, const QString& got) {
    if (ok) {
        pass();
    } else {
        fail(expected, got);
    }
}

bool Session::usage(const Words& w, int count, const char* how) {
    if (w.size() == count) {
        return true;
    }
    error(line_, QStringLiteral("usage: %1").arg(QString::fromUtf8(how)));
    return false;
}

bool Session::needStarted() {
    if (console_) {
        return true;
    }
    error(line_, QStringLiteral("the console has not been started (start comes first)"));
    return false;
}

bool Session::number(const Word& w, qint64& v) {
    const auto n = parseInteger(w.text);
    if (!n) {
        error(line_, QStringLiteral("not a whole number: %1").arg(w.text));
        return false;
    }
    v = *n;
    return true;
}

std::optional<Ref> Session::parsed(std::optional<Ref> (*parse)(const QString&, QString&),
                                   const QString& word) {
    QString why;
    auto r = parse(word, why);
    if (!r) {
        error(line_, why);
    }
    return r;
}

} // namespace vellaro::scenario
