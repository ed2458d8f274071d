// Any bytes as a data file: read, written back whole, read again gives the same lines;
// an appended line comes after them; the code page round-trips.
#include "core/DataFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "data file round trip: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    require(toWindows1252(fromWindows1252(bytes)) == bytes, "code page");

    static QTemporaryDir dir;
    require(dir.isValid(), "temporary folder");
    const DataFiles files(dir.path());
    const QString name = QStringLiteral("fuzz.txt");
    {
        QFile f(files.path(name));
        require(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "open");
        require(f.write(bytes) == bytes.size(), "write");
    }
    const DataFiles::ReadResult first = files.readLines(name);
    require(first.ok(), "first read");
    require(first.lines == splitLines(fromWindows1252(bytes)), "lines of the text");
    require(files.replaceFile(name, first.lines), "replace");
    const DataFiles::ReadResult second = files.readLines(name);
    require(second.ok() && second.lines == first.lines, "read after write");

    const QString added = QStringLiteral("EDDT 1234");
    require(files.appendLines(name, {added}), "append");
    const DataFiles::ReadResult third = files.readLines(name);
    require(third.ok() && third.lines == first.lines + QStringList{added}, "read after append");
    return 0;
}
