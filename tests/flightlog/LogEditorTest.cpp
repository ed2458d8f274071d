#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

// "Log" hands the editor the full path of the log, in a folder with a blank.
TEST(LogEditor, OpensTheLogInTheDataFolder) {
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("Vellaro Daten"));
    ASSERT_TRUE(QDir().mkpath(data));
    fake::Services s(data);
    Console c(s.platform);
    c.start();
    c.form1().button(QStringLiteral("Command7")).userClick();
    EXPECT_EQ(s.launcher.last(), QStringLiteral("notepad ") +
                                     QDir::toNativeSeparators(data + QStringLiteral("/log.txt")));
    // Opening the editor writes nothing.
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("/log.txt")));
}
