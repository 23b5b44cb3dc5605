#include "core/firststart.h"
#include "core/programdir.h"
#include "core/settings.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const QString kIni = QStringLiteral("Veltra.ini");

QString recentList(const Settings& s) {
    QStringList entries;
    for (int k = 0; k < s.FilesInFilemenu; ++k)
        entries << s.FileLocations[k] + s.FileNames[k];
    return entries.join(u'|');
}

} // namespace

// Values written back land under their own keys, so the byte-exact copy proves every value read.
TEST(Settings, SettingsFileRoundTripsByteForByteWithEmptyValuesInIt) {
    QTemporaryDir dir;
    const QByteArray original = readBytes(testData("Veltra.ini"));
    ASSERT_TRUE(writeBytes(dir.path() + u'/' + kIni, original));
    Settings s;
    ASSERT_TRUE(ReadConfigFile(kIni, dir.path(), s));
    // The printer type 0 is written as nothing; the resolution after it must survive that.
    EXPECT_EQ(s.PrinterType, 0);
    EXPECT_EQ(s.PrintResolution, -3);
    EXPECT_EQ(recentList(s), QString::fromUtf8("/home/leder/Konkurranser/Vårcupen.cnt|"
                                               "/home/leder/Klubb/Klubbmesterskap.cnt|"
                                               "/media/minnepinne/NM 2026.cnt"));
    EXPECT_EQ(s.PdfFolder, QString::fromUtf8("/home/leder/Utskrifter/Vårcupen"));
    EXPECT_EQ(s.LiveResultsPort, 8181);
    ASSERT_TRUE(SaveConfigFile(QStringLiteral("copy.ini"), dir.path(), s));
    EXPECT_EQ(readBytes(dir.path() + QStringLiteral("/copy.ini")), original);

    // First start: nothing to read, nothing written; a failed save is reported.
    QTemporaryDir empty;
    Settings first;
    ASSERT_TRUE(ReadConfigFile(kIni, empty.path(), first));
    EXPECT_FALSE(QFile::exists(empty.path() + u'/' + kIni));
    EXPECT_EQ(first.FilesInFilemenu, 0);
    const Status saved = SaveConfigFile(kIni, empty.path() + QStringLiteral("/gone"), s);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.message.contains(kIni));
}

TEST(Settings, AnOlderFileGainsThePrintOutputLinesAtItsEndAndAnEmptyFolderReadsBack) {
    const QByteArray current = readBytes(testData("Veltra.ini"));
    const qsizetype added = current.indexOf("PRINT_DESTINATION,");
    ASSERT_GT(added, 0);
    const QByteArray older = current.left(added);
    Settings s;
    EXPECT_TRUE(ReadSettingsBytes(older, s).isEmpty());
    const QByteArray rewritten = SettingsFileBytes(s);
    EXPECT_EQ(rewritten, older + "PRINT_DESTINATION,0\r\nPDF_FOLDER,\r\nPRINT_PREVIEW,0\r\n"
                                 "LIVE_RESULTS,0\r\nLIVE_RESULTS_PORT,8080\r\n"
                                 "LIVE_RESULTS_DROP_LOWEST,0\r\n");

    // The empty folder must not take the key after it as its value.
    Settings back;
    back.PrintPreview = 1;
    EXPECT_TRUE(ReadSettingsBytes(rewritten, back).isEmpty());
    EXPECT_EQ(back.PrintPreview, 0);
    EXPECT_EQ(SettingsFileBytes(back), rewritten);

    EXPECT_TRUE(SettingsCanHold(QString::fromUtf8("/home/leder/Utskrifter/Vårcupen")));
    EXPECT_FALSE(SettingsCanHold(QStringLiteral("/cups/2026, spring")));
    EXPECT_FALSE(SettingsCanHold(QString::fromUtf8("/home/łukasz/pdf")));
}

TEST(Settings, ValuesThatAreNoNumbersAreReportedAndTheRestIsStillRead) {
    Settings s;
    const QString faults = ReadSettingsBytes("PRINTER_TYPE,laser\r\nFILES_IN_FILEMENU,9\r\n"
                                             "FILENAMES_IN_FILEMENU_1,a.cnt\r\n"
                                             "COMPORT_TO_REMOTE_DISPLAY, 3\r\n"
                                             "BAUDRATE_TO_REMOTE_DISPLAY,19200.3\r\n"
                                             "PRINT_PREVIEW,7\r\nLIVE_RESULTS_PORT,65536",
                                             s);
    for (const char* fault : {"PRINTER_TYPE: \"laser\"", "FILES_IN_FILEMENU: \"9\"",
                              "PRINT_PREVIEW: \"7\"", "LIVE_RESULTS_PORT: \"65536\""})
        EXPECT_TRUE(faults.contains(QLatin1String(fault))) << fault;
    EXPECT_EQ(s.FilesInFilemenu, 5);
    EXPECT_EQ(s.FileNames[0], "a.cnt");
    EXPECT_EQ(s.ComportToRemoteDisplay, 3);
    EXPECT_EQ(s.BaudrateToRemoteDisplay, static_cast<double>(19200.3f));
    EXPECT_EQ(s.LiveResultsPort, 65535);
}

TEST(Settings, RecentListKeepsKnownEntriesAndDropsTheOldestForASixth) {
    Settings s;
    for (const char* name : {"a.cnt", "b.cnt", "c.cnt", "d.cnt", "e.cnt", "b.cnt"})
        UpdateQuickSelection(s, QString::fromLatin1(name), QStringLiteral("/cups/"));
    EXPECT_EQ(recentList(s), "/cups/a.cnt|/cups/b.cnt|/cups/c.cnt|/cups/d.cnt|/cups/e.cnt");
    UpdateQuickSelection(s, QStringLiteral("b.cnt"), QStringLiteral("/other/"));
    const QString expected = "/cups/b.cnt|/cups/c.cnt|/cups/d.cnt|/cups/e.cnt|/other/b.cnt";
    EXPECT_EQ(recentList(s), expected);
    EXPECT_EQ(RecentFileCaption(s, 4), "&5 : b.cnt");

    // A comma would split the entry when the settings file is read again.
    UpdateQuickSelection(s, QStringLiteral("Cup, 2026.cnt"), QStringLiteral("/cups/"));
    UpdateQuickSelection(s, QStringLiteral("f.cnt"), QStringLiteral("/a,b/"));
    EXPECT_EQ(recentList(s), expected);
}

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
