#include "core/programdir.h"
#include "support/testsupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

TEST(ProgramDir, HomeVariableWinsAndShippedFilesFillWithoutOverwriting) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir shipped;
    QTemporaryDir exe;
    QTemporaryDir home;
    ASSERT_TRUE(writeBytes(shipped.path() + "/English.lng", "GENERAL_OK,&OK\r\n"));
    ASSERT_TRUE(writeBytes(shipped.path() + "/Club.sch", "TOTALTIME, 10\r\n"));
    ASSERT_TRUE(writeBytes(home.path() + "/Club.sch", "TOTALTIME, 7\r\n"));

    qputenv("VELTRA_HOME", (home.path() + "/").toUtf8());
    const ProgramDirChoice chosen = ResolveProgramDir(exe.path(), shipped.path());
    qunsetenv("VELTRA_HOME");
    ASSERT_TRUE(chosen.status) << chosen.status.message.toStdString();
    EXPECT_EQ(chosen.path, home.path());
    EXPECT_EQ(readBytes(home.path() + "/English.lng"), "GENERAL_OK,&OK\r\n");
    EXPECT_EQ(readBytes(home.path() + "/Club.sch"), "TOTALTIME, 7\r\n");

    // An installed program keeps its files in the user's data folder, never beside itself.
    const ProgramDirChoice installed = ResolveProgramDir(exe.path(), shipped.path());
    EXPECT_NE(installed.path, exe.path());
    EXPECT_FALSE(QFile::exists(exe.path() + "/Club.sch"));

    ASSERT_TRUE(QDir(exe.path()).mkdir("shipped"));
    const ProgramDirChoice beside = ResolveProgramDir(exe.path(), shipped.path());
    EXPECT_EQ(beside.path, exe.path());
    EXPECT_TRUE(QFile::exists(exe.path() + "/Club.sch"));
}
