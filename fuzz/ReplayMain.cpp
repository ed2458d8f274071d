// Replays fuzz inputs through a target without libFuzzer: every file named, or every
// file in a folder named, once. A finding that still crashes fails the test.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList files;
    for (const QString& arg : app.arguments().mid(1)) {
        if (QFileInfo(arg).isDir()) {
            for (const QFileInfo& f : QDir(arg).entryInfoList(QDir::Files, QDir::Name)) {
                files.append(f.filePath());
            }
        } else {
            files.append(arg);
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs\n");
        return 2;
    }
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray bytes = f.readAll();
        std::printf("%s\n", qPrintable(QFileInfo(path).fileName()));
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return 0;
}
