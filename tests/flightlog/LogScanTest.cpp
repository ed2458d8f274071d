#include "flightlog/LogScan.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

class LogScan : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes) {
        QString path = dir.filePath(QStringLiteral("log.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    QList<QByteArray> found(const QString& path, const QString& key) {
        QList<QByteArray> lines;
        status = scanLines(path, key, [&](QByteArrayView l) { lines.append(l.toByteArray()); });
        return lines;
    }
    QTemporaryDir dir;
    DataFiles::Status status = DataFiles::Status::Failed;
};

} // namespace

TEST_F(LogScan, LineEndsOfEveryKindAndNoneAtTheEnd) {
    const QString p = write("A1 key\r\nB2\rC3 key\nD4\r\n\r\nE5 key");
    EXPECT_EQ(found(p, QStringLiteral("key")), (QList<QByteArray>{"A1 key", "C3 key", "E5 key"}));
    EXPECT_EQ(status, DataFiles::Status::Ok);
    // Each line once, however often the key stands in it.
    EXPECT_EQ(found(write("key key key\r\nkey\r\n"), QStringLiteral("key")).size(), 2);
}

TEST_F(LogScan, EmptyKeyFindsEveryLineThatHasText) {
    const QString p = write("one\r\n\r\ntwo\rthree\n");
    EXPECT_EQ(found(p, QString()), (QList<QByteArray>{"one", "two", "three"}));
}

TEST_F(LogScan, Windows1252BytesAndKeysTheCodePageLacks) {
    // "Schönefeld" with ö as the single byte 0xF6; a key with a letter outside the
    // code page must not turn into "?" and find the question mark.
    const QString p = write("EDDB Sch\xF6nefeld\r\nwho? \r\n");
    EXPECT_EQ(found(p, QString::fromUtf8("Schö")), (QList<QByteArray>{"EDDB Sch\xF6nefeld"}));
    EXPECT_TRUE(found(p, QString::fromUtf8("who\u0141")).isEmpty());
    EXPECT_TRUE(found(p, QString::fromUtf8("sch\u00F6")).isEmpty()); // case counts
}

TEST_F(LogScan, EmptyMissingAndUnreadableLogs) {
    EXPECT_TRUE(found(write(""), QStringLiteral("DLH")).isEmpty());
    EXPECT_EQ(status, DataFiles::Status::Ok);
    EXPECT_TRUE(found(dir.filePath(QStringLiteral("none.txt")), QStringLiteral("x")).isEmpty());
    EXPECT_EQ(status, DataFiles::Status::Missing);
    EXPECT_TRUE(found(dir.path(), QStringLiteral("x")).isEmpty());
    EXPECT_EQ(status, DataFiles::Status::Failed);
}

TEST_F(LogScan, LinesAcrossPiecesAndLongerThanAPiece) {
    // Lines of every length around the reader's piece size, the key at either end
    // of them, and one line of 3 MB: the count must match a plain split.
    QByteArray bytes;
    int expected = 0;
    for (int i = 0; bytes.size() < (5 << 20); ++i) {
        QByteArray line(97 + (i % 13), '.');
        if (i % 7 == 0) {
            line.replace(0, 3, "KEY");
            ++expected;
        } else if (i % 11 == 0) {
            line.replace(line.size() - 3, 3, "KEY");
            ++expected;
        }
        bytes += line + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
        if (i == 20000) {
            bytes += QByteArray(3 << 20, 'x') + "KEY\r\n";
            ++expected;
        }
    }
    const auto lines = found(write(bytes), QStringLiteral("KEY"));
    EXPECT_EQ(lines.size(), expected);
    for (const QByteArray& l : lines) {
        ASSERT_FALSE(l.contains('\r') || l.contains('\n'));
    }
}

TEST_F(LogScan, KeysOfEveryLengthMatchAPlainSearch) {
    // Few letters, so the two bytes the search looks for often stand where the rest
    // of the key does not; keys taken from the text, from one byte to longer than
    // the sixteen compared at once.
    QByteArray bytes;
    quint32 seed = 7;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int i = 0; i < 200000; ++i) {
        const quint32 r = next() % 40;
        bytes += r == 0 ? '\n' : r == 1 ? '\r' : char("ABAC.D"[r % 6]);
    }
    const QString p = write(bytes);
    QByteArray plain = bytes;
    const QList<QByteArray> all = plain.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    for (int length = 1; length <= 20; ++length) {
        const QByteArray key = plain.mid(qsizetype(next() % 1000) * 97, length);
        if (key.contains('\n')) {
            continue;
        }
        qsizetype expected = 0;
        for (const QByteArray& line : all) {
            expected += line.contains(key) ? 1 : 0;
        }
        EXPECT_EQ(found(p, QString::fromLatin1(key)).size(), expected) << key.constData();
    }
}
