#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

using vellaro::qt::chooseDataFolder;
using vellaro::qt::DataFolderLock;
using vellaro::qt::userDataFolder;

namespace {

QString folderOf(const QStringList& args, const QString& env = {}) {
    return chooseDataFolder(args, env, QStringLiteral("/opt/vellaro"),
                            QStringLiteral("/home/c/.local/share/Vellaro"))
        .folder;
}

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(DataFolder, TheOptionWinsOverTheVariableWhichWinsOverTheUserFolder) {
    // /opt/vellaro holds no squawk.txt: not a portable copy.
    EXPECT_EQ(folderOf({"vellaro"}), "/home/c/.local/share/Vellaro");
    EXPECT_EQ(folderOf({"vellaro"}, "/srv/atc"), "/srv/atc");
    EXPECT_EQ(folderOf({"vellaro", "--data", "/home/c/berlin"}, "/srv/atc"), "/home/c/berlin");
    EXPECT_EQ(folderOf({"vellaro", "--data=/home/c/berlin/"}), "/home/c/berlin");
    EXPECT_EQ(folderOf({"vellaro", "--data", "rel/x"}), QDir::current().absoluteFilePath("rel/x"));
}

TEST(DataFolder, DataWithoutAFolderIsAnError) {
    for (const QStringList& args :
         {QStringList{"vellaro", "--data"}, QStringList{"vellaro", "--data="}}) {
        const auto choice = chooseDataFolder(args, QStringLiteral("/srv/atc"), {}, {});
        EXPECT_TRUE(choice.folder.isEmpty());
        EXPECT_FALSE(choice.error.isEmpty());
    }
}

TEST(DataFolder, AProgramFolderHoldingTheSquawkFileIsAPortableCopy) {
    QTemporaryDir program;
    const QString user = QStringLiteral("/home/c/.local/share/Vellaro");
    EXPECT_EQ(chooseDataFolder({"vellaro"}, {}, program.path(), user).folder, user);
    touch(program.filePath("squawk.txt"));
    EXPECT_EQ(chooseDataFolder({"vellaro"}, {}, program.path(), user).folder,
              QDir::cleanPath(program.path()));
    // The explicit choices still win over the portable copy.
    EXPECT_EQ(chooseDataFolder({"vellaro"}, "/srv/atc", program.path(), user).folder, "/srv/atc");
    EXPECT_EQ(chooseDataFolder({"vellaro", "--data", "/x"}, {}, program.path(), user).folder, "/x");
}

TEST(DataFolder, ABuildFolderIsNeverTheDataFolderEvenWithASquawkFile) {
    QTemporaryDir build;
    touch(build.filePath("squawk.txt"));
    touch(build.filePath("CMakeCache.txt"));
    const QString user = QStringLiteral("/home/c/.local/share/Vellaro");
    EXPECT_EQ(chooseDataFolder({"vellaro"}, {}, build.path(), user).folder, user);
}

TEST(DataFolder, TheUserFolderIsTheApplicationDataFolderNamedVellaro) {
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString savedName = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("Vellaro"));
    const QString folder = userDataFolder();
    QCoreApplication::setApplicationName(savedName);
    qputenv("XDG_DATA_HOME", saved);
#ifdef Q_OS_LINUX
    EXPECT_EQ(folder, QDir(home.path()).filePath("Vellaro"));
#else
    EXPECT_TRUE(folder.endsWith("/Vellaro")) << folder.toStdString();
#endif
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
