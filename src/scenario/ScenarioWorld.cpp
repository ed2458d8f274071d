#include "scenario/ScenarioSession.h"

#include "console/Console.h"
#include "core/DataFiles.h"
#include "scenario/Fakes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

// The commands that prepare the world: data files, clock, screen, clipboard, HTTP.
namespace vellaro::scenario {

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

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

void Session::withFolderOpen(const std::function<void()>& change) {
    // The script prepares the world even in a locked folder; the console may not.
    if (readOnly_) {
        lockFolder(false);
    }
    change();
    if (readOnly_) {
        lockFolder(true);
    }
}

bool Session::writeDataFile(const QString& name, const QByteArray& bytes) {
    bool ok = false;
    const QString path = dataPath(name, ok);
    if (!ok) {
        return false;
    }
    withFolderOpen([&] { ok = writeBytes(path, bytes); });
    if (!ok) {
        error(line_, QStringLiteral("cannot write %1").arg(name));
    }
    return ok;
}

bool Session::readDataFile(const QString& name, std::optional<QString>& text) {
    bool ok = false;
    const QString path = dataPath(name, ok);
    if (!ok) {
        return false;
    }
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        text = fromWindows1252(f.readAll());
    }
    return true;
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

bool Session::twoNumbers(const Words& w, qint64& a, qint64& b) {
    return number(w[1], a) && number(w[2], b);
}

void Session::cmdFile(const Words& w) {
    writeDataFile(w[1].text, toWindows1252(w[2].text));
}

void Session::cmdFileFrom(const Words& w) {
    QByteArray bytes;
    if (readSource(w[2].text, bytes)) {
        writeDataFile(w[1].text, bytes);
    }
}

void Session::cmdNofile(const Words& w) {
    bool ok = false;
    const QString path = dataPath(w[1].text, ok);
    if (!ok) {
        return;
    }
    withFolderOpen([&] { QFile::remove(path); });
}

void Session::cmdReadonly(const Words&) {
    readOnly_ = true;
    lockFolder(true);
    // A run as the superuser ignores permissions; the switch holds regardless.
    if (console_) {
        console_->files().setWriteProtected(true);
    }
}

void Session::cmdPcfile(const Words& w) {
    if (!writeBytes(macroFile_, toWindows1252(w[1].text))) {
        error(line_, QStringLiteral("cannot write the macro file"));
    }
}

void Session::cmdClock(const Words& w) {
    const QDate d = QDate::fromString(w[1].text, QStringLiteral("yyyy-MM-dd"));
    QTime t = QTime::fromString(w[2].text, QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) {
        t = QTime::fromString(w[2].text, QStringLiteral("HH:mm"));
    }
    if (!d.isValid() || !t.isValid()) {
        error(line_, QStringLiteral("not a date and time: %1 %2").arg(w[1].text, w[2].text));
        return;
    }
    services_->clock.set(QDateTime(d, t));
}

void Session::cmdScreen(const Words& w) {
    qint64 width = 0;
    qint64 height = 0;
    if (!twoNumbers(w, width, height)) {
        return;
    }
    if (width <= 0 || height <= 0) {
        error(line_, QStringLiteral("a screen needs a positive size"));
        return;
    }
    services_->screen.setSize(QSize(int(width), int(height)));
}

void Session::cmdCursor(const Words& w) {
    qint64 x = 0;
    qint64 y = 0;
    if (twoNumbers(w, x, y)) {
        services_->input.placeCursor(int(x), int(y));
    }
}

void Session::cmdClipboard(const Words& w) {
    services_->clipboard.setText(w[1].text);
}

void Session::cmdServe(const Words& w) {
    services_->http.serve(w[1].text, w[2].text);
}

void Session::cmdServeFile(const Words& w) {
    QByteArray bytes;
    if (readSource(w[2].text, bytes)) {
        services_->http.serve(w[1].text, fromWindows1252(bytes));
    }
}

void Session::cmdFail(const Words& w) {
    services_->http.fail(w[1].text);
}

void Session::cmdBusy(const Words& w) {
    const auto b = parseBool(w[1].text);
    if (!b) {
        error(line_, QStringLiteral("not true or false: %1").arg(w[1].text));
        return;
    }
    services_->http.setBusy(*b);
}

void Session::cmdServices(const Words& w) {
    const QString which = w[1].text.toLower();
    if (w[1].quoted || (which != QLatin1String("classic") && which != QLatin1String("live"))) {
        error(line_, QStringLiteral("not classic or live: %1").arg(w[1].text));
        return;
    }
    liveServices_ = which == QLatin1String("live");
    if (console_) {
        applyServiceTable();
    }
}

void Session::applyServiceTable() {
    console_->setServiceTable(liveServices_ ? ServiceAddresses::Table::Live
                                            : ServiceAddresses::Table::Classic);
}

void Session::cmdAtcClient(const Words& w) {
    const QString which = w[1].text.toLower();
    if (w[1].quoted || (which != QLatin1String("on") && which != QLatin1String("off"))) {
        error(line_, QStringLiteral("not on or off: %1").arg(w[1].text));
        return;
    }
    services_->atcClient.setListening(which == QLatin1String("on"));
}

void Session::cmdAtcAnswer(const Words& w) {
    services_->atcClient.answer(w[1].text, w[2].text);
}

void Session::cmdAtcPush(const Words& w) {
    services_->atcClient.push(w[1].text);
}

void Session::cmdStart(const Words&) {
    if (console_) {
        error(line_, QStringLiteral("the console has already been started"));
        return;
    }
    console_ = std::make_unique<Console>(services_->platform);
    applyServiceTable();
    if (readOnly_) {
        console_->files().setWriteProtected(true);
    }
    console_->start();
}

} // namespace vellaro::scenario
