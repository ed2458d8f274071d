#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "core/DataFiles.h"
#include "scenario/Fakes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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
    const QString cmd = w[0].quoted ? QString() : w[0].text.toLower();
    if (cmd == QLatin1String("expect")) {
        if (needStarted()) {
            expect(w);
        }
        return;
    }
    bool handled = false;
    prepare(cmd, w, handled);
    if (!handled) {
        act(cmd, w, handled);
    }
    if (!handled) {
        error(line_, QStringLiteral("unknown command: %1").arg(w[0].text));
    }
}

QString Session::dataPath(const QString& name, bool& ok) {
    const QString clean = QDir::cleanPath(name);
    ok = !clean.isEmpty() && clean != QLatin1String(".") && QDir::isRelativePath(clean) &&
         clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../"));
    if (!ok) {
        error(line_, QStringLiteral("not a file name in the data folder: %1").arg(name));
        return {};
    }
    return QDir(dataDir_).filePath(clean);
}

void Session::lockFolder(bool locked) {
    const auto dirPerm = locked
                             ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser
                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    const auto filePerm =
        locked ? QFile::ReadOwner | QFile::ReadUser
               : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    if (!locked) {
        QFile::setPermissions(dataDir_, dirPerm);
    }
    QDirIterator it(dataDir_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile::setPermissions(p, QFileInfo(p).isDir() ? dirPerm : filePerm);
    }
    if (locked) {
        QFile::setPermissions(dataDir_, dirPerm);
    }
}

bool Session::writeDataFile(const QString& name, const QByteArray& bytes) {
    bool ok = false;
    const QString path = dataPath(name, ok);
    if (!ok) {
        return false;
    }
    // The script prepares the world even in a locked folder; the console may not.
    if (readOnly_) {
        lockFolder(false);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    f.close();
    if (readOnly_) {
        lockFolder(true);
    }
    if (!ok) {
        error(line_, QStringLiteral("cannot write %1").arg(name));
    }
    return ok;
}

bool Session::readSource(const QString& name, QByteArray& bytes) {
    const QString path = QDir(baseDir_).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error(line_, QStringLiteral("cannot read %1").arg(path));
        return false;
    }
    bytes = f.readAll();
    return true;
}

bool Session::prepare(const QString& cmd, const Words& w, bool& handled) {
    handled = true;
    if (cmd == QLatin1String("file")) {
        return usage(w, 3, "file NAME \"text\"") &&
               writeDataFile(w[1].text, toWindows1252(w[2].text));
    }
    if (cmd == QLatin1String("file-from")) {
        QByteArray bytes;
        return usage(w, 3, "file-from NAME SRC") && readSource(w[2].text, bytes) &&
               writeDataFile(w[1].text, bytes);
    }
    if (cmd == QLatin1String("nofile")) {
        if (!usage(w, 2, "nofile NAME")) {
            return false;
        }
        bool ok = false;
        const QString path = dataPath(w[1].text, ok);
        if (!ok) {
            return false;
        }
        if (readOnly_) {
            lockFolder(false);
        }
        QFile::remove(path);
        if (readOnly_) {
            lockFolder(true);
        }
        return true;
    }
    if (cmd == QLatin1String("readonly")) {
        if (!usage(w, 1, "readonly")) {
            return false;
        }
        readOnly_ = true;
        lockFolder(true);
        // A run as the superuser ignores permissions; the switch holds regardless.
        if (console_) {
            console_->files().setWriteProtected(true);
        }
        return true;
    }
    if (cmd == QLatin1String("pcfile")) {
        if (!usage(w, 2, "pcfile \"text\"")) {
            return false;
        }
        QDir().mkpath(QFileInfo(macroFile_).absolutePath());
        QFile f(macroFile_);
        const QByteArray bytes = toWindows1252(w[1].text);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
            error(line_, QStringLiteral("cannot write the macro file"));
            return false;
        }
        return true;
    }
    if (cmd == QLatin1String("clock")) {
        if (!usage(w, 3, "clock \"YYYY-MM-DD\" \"HH:MM:SS\"")) {
            return false;
        }
        const QDate d = QDate::fromString(w[1].text, QStringLiteral("yyyy-MM-dd"));
        QTime t = QTime::fromString(w[2].text, QStringLiteral("HH:mm:ss"));
        if (!t.isValid()) {
            t = QTime::fromString(w[2].text, QStringLiteral("HH:mm"));
        }
        if (!d.isValid() || !t.isValid()) {
            error(line_, QStringLiteral("not a date and time: %1 %2").arg(w[1].text, w[2].text));
            return false;
        }
        services_->clock.set(QDateTime(d, t));
        return true;
    }
    if (cmd == QLatin1String("screen") || cmd == QLatin1String("cursor")) {
        const bool screen = cmd == QLatin1String("screen");
        qint64 x = 0;
        qint64 y = 0;
        if (!usage(w, 3, screen ? "screen W H" : "cursor X Y") || !number(w[1], x) ||
            !number(w[2], y)) {
            return false;
        }
        if (screen) {
            if (x <= 0 || y <= 0) {
                error(line_, QStringLiteral("a screen needs a positive size"));
                return false;
            }
            services_->screen.setSize(QSize(int(x), int(y)));
        } else {
            services_->input.placeCursor(int(x), int(y));
        }
        return true;
    }
    if (cmd == QLatin1String("clipboard")) {
        if (!usage(w, 2, "clipboard \"text\"")) {
            return false;
        }
        services_->clipboard.setText(w[1].text);
        return true;
    }
    if (cmd == QLatin1String("serve")) {
        if (!usage(w, 3, "serve \"part\" \"body\"")) {
            return false;
        }
        services_->http.serve(w[1].text, w[2].text);
        return true;
    }
    if (cmd == QLatin1String("serve-file")) {
        QByteArray bytes;
        if (!usage(w, 3, "serve-file \"part\" NAME") || !readSource(w[2].text, bytes)) {
            return false;
        }
        services_->http.serve(w[1].text, fromWindows1252(bytes));
        return true;
    }
    if (cmd == QLatin1String("fail")) {
        if (!usage(w, 2, "fail \"part\"")) {
            return false;
        }
        services_->http.fail(w[1].text);
        return true;
    }
    if (cmd == QLatin1String("busy")) {
        if (!usage(w, 2, "busy true/false")) {
            return false;
        }
        const auto b = parseBool(w[1].text);
        if (!b) {
            error(line_, QStringLiteral("not true or false: %1").arg(w[1].text));
            return false;
        }
        services_->http.setBusy(*b);
        return true;
    }
    if (cmd == QLatin1String("start")) {
        if (!usage(w, 1, "start")) {
            return false;
        }
        if (console_) {
            error(line_, QStringLiteral("the console has already been started"));
            return false;
        }
        startConsole();
        return true;
    }
    handled = false;
    return true;
}

void Session::startConsole() {
    console_ = std::make_unique<Console>(services_->platform);
    if (readOnly_) {
        console_->files().setWriteProtected(true);
    }
    console_->start();
}

} // namespace vellaro::scenario
