#include "core/contestfiles.h"
#include "scoring/opencontest.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QDateTime>
#include <QDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

// The competition of tests/data with its schedule, opened as the main window opens it.
class Opening : public ContestFolder {
  protected:
    void SetUp() override {
        ContestFolder::SetUp();
        ASSERT_TRUE(QFile::copy(testData("contest.cnt"), work.contestPath()));
        ASSERT_TRUE(QFile::copy(testData("schedule.sch"), path("Klubbprogram.sch")));
        ASSERT_TRUE(open().open);
    }

    OpenedContest open() { return OpenContest(contest, work, texts); }

    // Stores the points of the first round as the score window does, for pilots in list order,
    // a minute ago.
    void storeResults(std::initializer_list<double> firstRounds) {
        int i = 0;
        for (double points : firstRounds)
            contest.Pilots[i++].RoundScore[0] = points;
        ASSERT_TRUE(writeBytes(path("Vårcupen 2026.RES"), ResultsFileBytes(contest)));
        setModified(path("Vårcupen 2026.RES"), 60);
    }

    static void setModified(const QString& file, qint64 secondsAgo) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                                  QFileDevice::FileModificationTime));
    }
};

} // namespace

TEST_F(Opening, ARefusedCompetitionLeavesNoCompetitionOpenThatCouldBeWritten) {
    const QByteArray refused = readBytes(testData("contest.cnt"))
                                   .replace("NAK-77,1.50,", "NAK-77,0,")
                                   .replace("Klubbprogram", "Annet");
    ASSERT_TRUE(writeBytes(path("refused.cnt"), refused));
    work.ContestFile = QStringLiteral("refused.cnt");
    const OpenedContest opened = open();
    EXPECT_FALSE(opened.open);
    ASSERT_EQ(opened.messages.size(), 1);
    EXPECT_TRUE(opened.messages[0].contains(QDir::toNativeSeparators(path("refused.cnt"))));
    EXPECT_TRUE(work.ContestFile.isEmpty());
    EXPECT_TRUE(contest.ContName.isEmpty());
    EXPECT_TRUE(contest.ContSchedule.isEmpty());
    EXPECT_EQ(QList<int>({contest.JudgeCount, contest.PilotCount, contest.TeamCount,
                          contest.ManeuverCount, contest.Rounds}),
              QList<int>({0, 0, 0, 0, 0}));
    for (int editMode : {0, 1}) {
        work.EditMode = editMode;
        EXPECT_FALSE(SaveContest(contest, work, texts));
    }
    EXPECT_EQ(readBytes(path("refused.cnt")), refused);
}

TEST_F(Opening, PointsComeOnlyFromTheOpenedCompetitionsOwnFiles) {
    storeResults({572.0, 48.5, 12.0, 7.25});
    ASSERT_TRUE(open().open);
    EXPECT_EQ(contest.Pilots[3].RoundScore[0], 7.25);

    // The next event, with the same pilots, in a folder of its own without a results file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("next")));
    ASSERT_TRUE(QFile::copy(testData("contest.cnt"), path("next/cup.cnt")));
    work.ContestDir = path("next/");
    ASSERT_TRUE(open().open);
    for (int i = 0; i < contest.PilotCount; ++i)
        EXPECT_EQ(contest.Pilots[i].RoundScore[0], 0.0) << i;

    // A results file cut short after the first pilot's first round.
    ASSERT_TRUE(
        writeBytes(path("next/Vårcupen 2026.RES"), "001, Bj\xF8rn \xC6s\xF8y, 0100.00, \r\n"));
    ASSERT_TRUE(open().open);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 100.0);
    EXPECT_EQ(contest.Pilots[1].RoundScore[0], 0.0);
}

TEST_F(Opening, ARoundScoreFileNewerThanTheResultsThatDisagreesGivesThePointsOnce) {
    // 8 + 8 + 8 marks of maneuver 1 (K 1) and 5 + 5 + 5 of maneuver 2 (K 2): 81 points.
    const QByteArray marks = "SCORE,01,8,8,8,\r\nSCORE,02,5,5,5,\r\nSCORE,03,0,0,0,\r\n"
                             "SCORE,04,0,0,0,\r\nSCORE,05,0,0,0,\r\nBONUS,0\r\n\r\n";
    storeResults({572.0, 100.0, 12.0, 7.25});
    const QString kare = RoundScoreFilePath(contest, work, QString::fromUtf8("Kåre Ås"), 1);
    const QString navn = RoundScoreFilePath(contest, work, QStringLiteral("Navn"), 1);
    ASSERT_TRUE(writeBytes(kare, marks));
    ASSERT_TRUE(writeBytes(navn, marks));
    setModified(navn, 120); // older than the results: they stand

    const OpenedContest opened = open();
    EXPECT_EQ(contest.Pilots[1].RoundScore[0], 81.0);
    EXPECT_EQ(contest.Pilots[2].RoundScore[0], 12.0);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 572.0);
    ASSERT_EQ(opened.messages.size(), 1);
    EXPECT_TRUE(opened.messages[0].contains(QString::fromUtf8("Vårcupen 2026 Kåre Ås.R01")));
    EXPECT_FALSE(opened.messages[0].contains(QStringLiteral("Navn.R01")));

    // Once the results agree with the marks there is nothing to say.
    storeResults({572.0, 81.0, 12.0, 7.25});
    EXPECT_TRUE(open().messages.isEmpty());
}

TEST_F(Opening, TemporaryFilesOfInterruptedSavesOfThisCompetitionAreRemoved) {
    const char* stale[] = {"Vårcupen 2026.RES.ZZBUUQ", "cup.cnt.a1B2c3",
                           "Vårcupen 2026 Kåre Ås.R01.Qw3rTy"};
    const char* kept[] = {"Other.RES.ZZBUUQ", "Vårcupen 2026.RES.old", "Vårcupen 2026.RES.ZZBUU",
                          "Vårcupen 2026 Kåre Ås.R01.Qw-rTy", "notes.txt"};
    for (const char* name : stale)
        ASSERT_TRUE(writeBytes(path(name), "x"));
    for (const char* name : kept)
        ASSERT_TRUE(writeBytes(path(name), "x"));
    ASSERT_TRUE(open().open);
    for (const char* name : stale)
        EXPECT_FALSE(QFile::exists(path(name))) << name;
    for (const char* name : kept)
        EXPECT_TRUE(QFile::exists(path(name))) << name;
}
