// A full disk, without root: the writes run in a child process whose files may not
// grow past a few bytes (RLIMIT_FSIZE, with SIGXFSZ ignored so write() fails with
// EFBIG instead of killing it). The child reports through its exit status; the
// files it leaves are checked here.
#include "../strips/BoardFixture.h"
#include "core/DataFiles.h"
#include "weather/Overview.h"
#include "weather/Runways.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vellaro;

namespace {

constexpr int kChildDied = -1;

int withFileSizeLimit(rlim_t bytes, const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            _exit(99);
        }
        // _exit: the child must not run the parent's clean-up (the temporary folder).
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return kChildDied;
    }
    return WEXITSTATUS(status);
}

const QByteArray kOldSquawk = "5051\r\n5063\r\nEDDT\r\n 3\r\n";

class DiskFull : public BoardTest {
  protected:
    // What the folder holds, as one text for a readable failure.
    std::string entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
            .join(QLatin1Char(' '))
            .toStdString();
    }
};

} // namespace

TEST_F(DiskFull, AFailedReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
    writeFile("squawk.txt", kOldSquawk);
    const DataFiles files(dir.path());
    const QStringList lines = {"6001", "6002", "EDDB", " 7"};
    // Nothing at all gets through, or the first bytes do and the rest does not.
    for (const rlim_t limit : {rlim_t(0), rlim_t(5)}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(withFileSizeLimit(limit, [&] { return files.replaceFile("squawk.txt", lines); }),
                  0);
        EXPECT_EQ(readFile("squawk.txt"), kOldSquawk);
        EXPECT_EQ(entries(), "squawk.txt");
    }
    // With room for it the same write goes through.
    EXPECT_EQ(withFileSizeLimit(4096, [&] { return files.replaceFile("squawk.txt", lines); }), 1);
    EXPECT_EQ(readFile("squawk.txt"), "6001\r\n6002\r\nEDDB\r\n 7\r\n");
}

TEST_F(DiskFull, TheShutDownKeepsSquawkTxt) {
    writeFile("squawk.txt", kOldSquawk);
    start();
    box("Text13").setText(QStringLiteral("6001"));
    EXPECT_EQ(withFileSizeLimit(0,
                                [&] {
                                    c->close();
                                    return c->ended() ? 0 : 1;
                                }),
              0);
    EXPECT_EQ(readFile("squawk.txt"), kOldSquawk);
    EXPECT_EQ(entries(), "squawk.txt");
    // The same shut-down on a disk with room writes the new code.
    c->close();
    EXPECT_EQ(readFile("squawk.txt"), "5051\r\n6001\r\nEDDT\r\n 3\r\n");
}

TEST_F(DiskFull, FilesWithBuiltInLinesAreNeitherCreatedNorAnnounced) {
    start();
    enum { Ok, Announced, NoDefaults };
    const int child = withFileSizeLimit(0, [&] {
        c->runways().loadrwy();
        c->mainWindow().Command41.userClick();
        if (!s.messages.shown().isEmpty()) {
            return int(Announced);
        }
        // The overview still asks for the three built-in airports.
        return s.http.allRequests().filter(QStringLiteral("EDDI")).isEmpty() ? int(NoDefaults)
                                                                             : int(Ok);
    });
    EXPECT_EQ(child, Ok);
    EXPECT_EQ(entries(), "");

    // With room, both are written and announced.
    c->runways().loadrwy();
    c->mainWindow().Command41.userClick();
    EXPECT_EQ(s.messages.shown().size(), 2);
    EXPECT_TRUE(readFile("rwy.txt").startsWith("EDDT "));
    EXPECT_TRUE(readFile("metar.txt").startsWith("EDDT\r\nEDDI\r\nEDDB\r\n"));
}

TEST_F(DiskFull, AFailedAppendLeavesNoPartialLine) {
    const QByteArray old = "FIRST\r\n";
    writeFile("log.txt", old);
    const DataFiles files(dir.path());
    const QString line = QStringLiteral("DLH123..............  EDDF  BRANE1L  5051");
    // Room for none of it, and room for a few bytes of it.
    for (const rlim_t limit : {rlim_t(0), rlim_t(old.size() + 10)}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(withFileSizeLimit(limit, [&] { return files.appendLines("log.txt", {line}); }),
                  0);
        EXPECT_EQ(readFile("log.txt"), old);
    }
    // A log that did not exist is not left behind empty.
    EXPECT_EQ(withFileSizeLimit(0, [&] { return files.appendLines("new.txt", {line}); }), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("new.txt")));
    // The limit lifted, the next line follows on a line of its own.
    EXPECT_TRUE(files.appendLines("log.txt", {"NEXT"}));
    EXPECT_EQ(readFile("log.txt"), "FIRST\r\nNEXT\r\n");
}

TEST_F(DiskFull, AStripIsDeletedEvenWhenItsLogLineCannotBeWritten) {
    writeFile("log.txt", "FIRST\r\n");
    s.clock.set(QDateTime(QDate(2026, 12, 9), QTime(7, 5, 9)));
    start();
    fill(0, "DLH1", "EDDF", "", "", "");
    EXPECT_EQ(withFileSizeLimit(8,
                                [&] {
                                    click("Command17");
                                    return box("Text7", 0).text().isEmpty() ? 0 : 1;
                                }),
              0);
    EXPECT_EQ(readFile("log.txt"), "FIRST\r\n");
}
