#include "platform/qt/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

using vellaro::qt::chooseDataFolder;
using vellaro::qt::DataFolderLock;

namespace {

QString folderOf(const QStringList& args, const QString& env = {}) {
    return chooseDataFolder(args, env, QStringLiteral("/opt/vellaro")).folder;
}

} // namespace

TEST(DataFolder, TheOptionWinsOverTheVariableWhichWinsOverTheProgramFolder) {
    EXPECT_EQ(folderOf({"vellaro"}), "/opt/vellaro");
    EXPECT_EQ(folderOf({"vellaro"}, "/srv/atc"), "/srv/atc");
    EXPECT_EQ(folderOf({"vellaro", "--data", "/home/c/berlin"}, "/srv/atc"), "/home/c/berlin");
    EXPECT_EQ(folderOf({"vellaro", "--data=/home/c/berlin/"}), "/home/c/berlin");
    EXPECT_EQ(folderOf({"vellaro", "--data", "rel/x"}), QDir::current().absoluteFilePath("rel/x"));
}

TEST(DataFolder, DataWithoutAFolderIsAnError) {
    for (const QStringList& args :
         {QStringList{"vellaro", "--data"}, QStringList{"vellaro", "--data="}}) {
        const auto choice = chooseDataFolder(args, QStringLiteral("/srv/atc"), {});
        EXPECT_TRUE(choice.folder.isEmpty());
        EXPECT_FALSE(choice.error.isEmpty());
    }
}

TEST(DataFolderLock, OneHolderPerFolderAndTheFileGoesWithIt) {
    QTemporaryDir dir;
    {
        const DataFolderLock first(dir.path());
        EXPECT_EQ(first.state(), DataFolderLock::State::Held);
        const DataFolderLock second(dir.path());
        EXPECT_EQ(second.state(), DataFolderLock::State::Busy);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("vellaro.lock")));
    EXPECT_EQ(DataFolderLock(dir.path()).state(), DataFolderLock::State::Held);
}

#ifndef Q_OS_WIN
TEST(DataFolderLock, TheLockOfACrashedRunIsTakenOver) {
    QTemporaryDir dir;
    const pid_t pid = fork();
    if (pid == 0) {
        // Dies holding the lock: no destructor removes the file.
        auto* lock = new DataFolderLock(dir.path());
        _exit(lock->state() == DataFolderLock::State::Held ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(QFile::exists(dir.filePath("vellaro.lock")));
    EXPECT_EQ(DataFolderLock(dir.path()).state(), DataFolderLock::State::Held);
}
#endif
