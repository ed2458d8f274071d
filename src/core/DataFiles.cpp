#include "core/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vellaro {

namespace {

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

// True for a missing or empty file too: there is nothing to end.
bool endsWithLineEnd(const QString& path) {
    QFile f(path);
    if (f.size() == 0 || !f.open(QIODevice::ReadOnly) || !f.seek(f.size() - 1)) {
        return true;
    }
    const QByteArray last = f.read(1);
    return last.size() != 1 || last[0] == '\r' || last[0] == '\n';
}

} // namespace

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n) {
        lines.append(text.mid(start));
    }
    return lines;
}

DataFiles::DataFiles(QString dir) : dir_(std::move(dir)) {}

QString DataFiles::path(const QString& name) const {
    return QDir(dir_).filePath(name);
}

bool DataFiles::exists(const QString& name) const {
    return QFileInfo::exists(path(name));
}

DataFiles::ReadResult DataFiles::readLinesAt(const QString& path) {
    ReadResult r;
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        r.status = Status::Missing;
        return r;
    }
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly)) {
        r.status = Status::Failed;
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.status = Status::Failed;
        return r;
    }
    r.lines = splitLines(fromWindows1252(bytes));
    r.status = Status::Ok;
    return r;
}

DataFiles::ReadResult DataFiles::readLines(const QString& name) const {
    if (name.isEmpty()) {
        return {Status::Missing, {}};
    }
    return readLinesAt(path(name));
}

bool DataFiles::replaceFile(const QString& name, const QStringList& lines) const {
    if (writeProtected_ || name.isEmpty()) {
        return false;
    }
    const QByteArray bytes = encodeLines(lines);
    // Unbuffered, so a full disk shows in write() and not only when commit()
    // flushes: a failed flush there can still rename an empty file over the old one.
    QSaveFile f(path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        f.commit(); // removes the temporary file
        return false;
    }
    return f.commit();
}

bool DataFiles::appendLines(const QString& name, const QStringList& lines) const {
    if (writeProtected_ || name.isEmpty()) {
        return false;
    }
    const QString file = path(name);
    QByteArray bytes = encodeLines(lines);
    // A failed append or a hand edit can leave a last line without its end.
    if (!endsWithLineEnd(file)) {
        bytes.prepend("\r\n", 2);
    }
    QFile f(file);
    const bool existed = f.exists();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return false;
    }
    const qint64 before = f.size();
    const bool ok = f.write(bytes) == bytes.size() && f.flush();
    if (!ok) {
        // No partial line stays when the cut succeeds; when it does not, the next
        // append starts on a line of its own.
        f.resize(before);
    }
    f.close();
    if (!ok && !existed) {
        f.remove(); // nothing of it was written
    }
    return ok && f.error() == QFileDevice::NoError;
}

} // namespace vellaro
