#include "core/firststart.h"
#include "core/programdir.h"
#include "core/settings.h"
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
    EXPECT_NE(ResolveProgramDir(exe.path(), shipped.path()).path, exe.path());
    EXPECT_FALSE(QFile::exists(exe.path() + "/Club.sch"));
    ASSERT_TRUE(QDir(exe.path()).mkdir("shipped"));
    EXPECT_EQ(ResolveProgramDir(exe.path(), shipped.path()).path, exe.path());
    EXPECT_TRUE(QFile::exists(exe.path() + "/Club.sch"));
}

TEST(ProgramDir, FirstStartListsTheDemoContestAndLaterStartsLeaveEverything) {
    QTemporaryDir shipped;
    QTemporaryDir program;
    ASSERT_TRUE(QDir(shipped.path()).mkpath("examples/demo"));
    const QString demoFile = QString::fromUtf8("Vårcup.cnt");
    ASSERT_TRUE(writeBytes(shipped.path() + "/examples/demo/" + demoFile, "CONT_NAME,V\r\n"));

    ASSERT_TRUE(PrepareFirstStart(program.path(), shipped.path()));
    const QString demo = program.path() + "/examples/demo/";
    EXPECT_TRUE(QFile::exists(demo + demoFile));
    Settings settings;
    ASSERT_TRUE(ReadConfigFile("Veltra.ini", program.path(), settings));
    EXPECT_EQ(settings.FilesInFilemenu, 1);
    EXPECT_EQ(settings.FileNames[0], demoFile);
    EXPECT_EQ(settings.FileLocations[0], demo);
    EXPECT_EQ(settings.LanguageFile, "English.lng");

    // A later start keeps the user's settings and the demo as the user left it.
    ASSERT_TRUE(writeBytes(demo + demoFile, "CONT_NAME,Changed\r\n"));
    ASSERT_TRUE(writeBytes(program.path() + "/Veltra.ini", "LANGUAGE_FILE,Norsk.lng\r\n"));
    ASSERT_TRUE(PrepareFirstStart(program.path(), shipped.path()));
    EXPECT_EQ(readBytes(demo + demoFile), "CONT_NAME,Changed\r\n");
    EXPECT_EQ(readBytes(program.path() + "/Veltra.ini"), "LANGUAGE_FILE,Norsk.lng\r\n");
}
