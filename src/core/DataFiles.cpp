#include "core/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace vellaro {

namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

QByteArray toWindows1252(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        char b = '?';
        for (std::size_t i = 0; i < kHigh.size(); ++i) {
            if (kHigh[i] == u) {
                b = char(0x80 + i);
                break;
            }
        }
        out.append(b);
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            out.append(QChar(kHigh[b - 0x80]));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

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
