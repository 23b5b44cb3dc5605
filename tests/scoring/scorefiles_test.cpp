#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ScoreFiles : public ContestFolder {
  protected:
    void SetUp() override {
        ContestFolder::SetUp();
        contest.ContName = QString::fromUtf8("Vårcup ");
        contest.Rounds = 2;
        addPilot(contest, "Bjørn Æsøy", 1);
        addPilot(contest, "Kåre Ås", 2);
        addPilot(contest, "Åse", 10);
    }

    void useSchedule(int judges, int maneuvers) {
        contest.JudgeCount = judges;
        contest.ManeuverCount = maneuvers;
        for (int m = 0; m < maneuvers; ++m)
            contest.ManeuverK[m] = m % 4;
    }
};

} // namespace

// An empty cell is stored as 0 and comes back as a given mark of 0.
TEST_F(ScoreFiles, SavedFilesMatchTheExpectedBytesAndRoundTripForOneTwoAndElevenJudges) {
    useSchedule(5, 3);
    RoundMarks marks;
    const int given[2][5] = {{8, 7, 9, 8, 8}, {10, -1, 0, 6, 5}}; // -1: no mark
    for (int m = 0; m < 2; ++m)
        for (int j = 0; j < 5; ++j)
            if (given[m][j] >= 0)
                marks.setMark(m, j, given[m][j]);
    marks.setBonus(-4);
    contest.Pilots[0].RoundScore = {572.0, 0.0};
    contest.Pilots[1].RoundScore = {-10.0, 1234.567};
    contest.Pilots[2].RoundScore = {12.4, 12.6};
    ASSERT_TRUE(SaveScores(contest, work, 0, 1, marks));
    EXPECT_EQ(readBytes(path("Vårcup Bjørn Æsøy.R01")),
              readBytes(testData("round_five_judges.R01")));
    EXPECT_EQ(readBytes(path("Vårcup.RES")), readBytes(testData("results.RES")));
    RoundMarks one;
    one.setMark(0, 0, 7);
    one.setMark(1, 0, 10);
    one.setBonus(3);
    EXPECT_EQ(RoundScoreFileBytes(one, 2, 1), readBytes(testData("round_one_judge.R02")));

    for (int judges : {1, 2, 11}) {
        useSchedule(judges, 51);
        RoundMarks stored;
        for (int m = 0; m < 51; ++m)
            for (int j = 0; j < judges; ++j)
                if ((m + j) % 7 != 0)
                    stored.setMark(m, j, (m * 3 + j) % 11);
        stored.setBonus(-10);
        ASSERT_TRUE(SaveScores(contest, work, 1, 2, stored));
        RoundMarks recalled;
        ASSERT_TRUE(RecallScores(contest, work, 1, 2, recalled)) << judges;
        EXPECT_EQ(recalled.bonus(), -10);
        for (int m = 0; m < 51; ++m) {
            for (int j = 0; j < MaxJudges; ++j) {
                ASSERT_EQ(recalled.hasMark(m, j), j < judges) << judges << " " << m << " " << j;
                if (j < judges) {
                    ASSERT_EQ(recalled.mark(m, j), stored.hasMark(m, j) ? stored.mark(m, j) : 0);
                }
            }
        }
    }
}

// Encodings, cuts, random and out-of-range bytes are swept through the score window's tests;
// here what each fault of the layout is called, and which ones the grid cannot show.
TEST_F(ScoreFiles, RecallNamesADamagedFileSaysWhatIsWrongAndKeepsWhatCouldBeRead) {
    useSchedule(3, 3);
    RoundMarks never;
    const RoundFileRead unflown = RecallScores(contest, work, 0, 1, never);
    EXPECT_TRUE(unflown);
    EXPECT_FALSE(unflown.found);

    const QByteArray intact =
        "SCORE,01,8,7,9,\r\nSCORE,02,1,2,3,\r\nSCORE,03,5,5,5,\r\nBONUS,-2\r\n\r\n";
    const auto changed = [&](const char* from, const char* to) {
        return QByteArray(intact).replace(from, to);
    };
    const std::tuple<QByteArray, const char*, bool> cases[] = {
        {intact.left(intact.indexOf("BONUS") + 7), "BONUS line", true}, // "BONUS,-" of -2
        {changed("SCORE,02", "SCORE,x2"), "Line 2 cannot be read", true},
        {changed("02,1,2", "02,1,x"), "Line 2 holds x where a mark", true},
        {changed("SCORE,03", "SCORE,02"), "Line 3 cannot be read", true},
        {changed("SCORE,03,5,5,5,\r\n", ""), "marks for 2 maneuvers", true},
        {changed("01,8,7,9,", "01,8,7,"), "Line 1 holds marks of 2 judges", true},
        {intact + "x", "Line 6 cannot be read", true},
        // Marks the grid cannot show would be lost by storing over them.
        {changed("BONUS", "SCORE,04,6,6,6,\r\nBONUS"), "marks for 4 maneuvers", false},
        {changed("01,8,7,9,", "01,8,7,9,4,"), "Line 1 holds marks of 4 judges", false},
    };
    const QString file = path("Vårcup Kåre Ås.R03");
    for (const auto& [bytes, reason, fitsGrid] : cases) {
        ASSERT_TRUE(writeBytes(file, bytes));
        RoundMarks marks;
        const RoundFileRead read = RecallScores(contest, work, 1, 3, marks);
        EXPECT_FALSE(read) << reason;
        EXPECT_EQ(read.fitsGrid, fitsGrid) << reason;
        EXPECT_TRUE(read.message.startsWith("FEIL " + QDir::toNativeSeparators(file) + u'\n'))
            << read.message.toStdString();
        EXPECT_TRUE(read.message.contains(QLatin1String(reason))) << read.message.toStdString();
        EXPECT_EQ(marks.mark(0, 1), 7) << reason; // what could be read is shown
    }
    // With two judges the third position of a line holds 0.
    useSchedule(2, 1);
    ASSERT_TRUE(writeBytes(file, "SCORE,01,8,7,0,\r\nBONUS,0\r\n\r\n"));
    EXPECT_TRUE(RecallScores(contest, work, 1, 3, never));
    ASSERT_TRUE(writeBytes(file, "SCORE,01,8,7,9,\r\nBONUS,0\r\n\r\n"));
    EXPECT_FALSE(RecallScores(contest, work, 1, 3, never).fitsGrid);
}

// Rounds flown is the highest round with any stored marks, even where earlier rounds have gaps.
TEST_F(ScoreFiles, StoredRoundsAreTheNonEmptyRoundFilesWithinTheCompetitionsRounds) {
    useSchedule(3, 2);
    contest.Rounds = 3;
    EXPECT_EQ(ReadStoredRounds(contest, work).flown, 0);
    ASSERT_TRUE(SaveScores(contest, work, 1, 3, RoundMarks()));
    ASSERT_TRUE(SaveScores(contest, work, 2, 1, RoundMarks()));
    ASSERT_TRUE(writeBytes(path("Vårcup Bjørn Æsøy.R02"), ""));
    ASSERT_TRUE(SaveScores(contest, work, 0, 4, RoundMarks()));
    const StoredRounds stored = ReadStoredRounds(contest, work);
    EXPECT_EQ(stored.flown, 3);
    EXPECT_EQ(QList<int>(stored.pilots.begin(), stored.pilots.begin() + 4),
              QList<int>({1, 0, 1, 0}));
    EXPECT_TRUE(stored.ofPilot[1][2]);
    EXPECT_FALSE(stored.ofPilot[0][1]);
}

TEST_F(ScoreFiles, ReadPreviousScoresMatchesPilotsByName) {
    ASSERT_TRUE(writeBytes(path("Vårcup.RES"), readBytes(testData("results.RES"))));
    contest.Pilots[2].Name = QString::fromUtf8("Åse ");
    addPilot(contest, "Unscored", 4).RoundScore = {5.0, 6.0, 7.0};
    ASSERT_TRUE(ReadPreviousScores(contest, work, 1)); // more rounds in the file than asked
    EXPECT_EQ(contest.Pilots[1].RoundScore[0], -10.0);
    EXPECT_EQ(contest.Pilots[1].RoundScore[1], 0.0);
    contest.Pilots[0].RoundScore[2] = 99.0;
    ASSERT_TRUE(ReadPreviousScores(contest, work, 3)); // rounds raised after scoring began
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(contest.Pilots[0].RoundScore[2], 0.0);
    EXPECT_EQ(contest.Pilots[1].RoundScore[1], 1234.57);
    EXPECT_EQ(contest.Pilots[2].RoundScore[1], 12.6);
    EXPECT_EQ(contest.Pilots[3].RoundScore[1], 6.0);
}

TEST_F(ScoreFiles, OnlyThePilotsWhoseOwnResultsLineIsDamagedAreRebuiltFromTheirMarks) {
    useSchedule(3, 2);
    contest.ManeuverK[0] = 2;
    contest.Pilots[1].KFactor = 1.5;
    ASSERT_TRUE(writeBytes(path("Vårcup Kåre Ås.R01"),
                           "SCORE,01,8,7,9,\r\nSCORE,02,5,5,5,\r\nBONUS,2\r\n"));
    const QByteArray intact = "001, Bj\xF8rn \xC6s\xF8y, 0572.00, 0000.00, \r\n";
    ASSERT_TRUE(writeBytes(path("Vårcup.RES"), intact + "002, K\xE5re \xC5s, 00#4.00, 0001.00, \r\n"
                                                        "009, Gone, xx, 12, \r\n"));
    contest.Pilots[0].RoundScore = {300.0, 200.0};
    contest.Pilots[2].RoundScore = {5.0, 6.0};
    const Status status = ReadPreviousScores(contest, work, 2);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("Vårcup.RES")));
    EXPECT_TRUE(status.message.contains(QStringLiteral("Kåre Ås")));
    EXPECT_EQ(contest.Pilots[1].RoundScore[0], (48 + 15 + 2) * 1.5);
    EXPECT_EQ(contest.Pilots[1].RoundScore[1], 0.0);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 572.0);
    EXPECT_EQ(contest.Pilots[2].RoundScore[1], 6.0); // no line: the points typed stay

    // A damaged line of a pilot no longer in the competition is passed over.
    ASSERT_TRUE(writeBytes(path("Vårcup.RES"), "009, Gone, xx, 12, \r\n" + intact));
    EXPECT_TRUE(ReadPreviousScores(contest, work, 2));
}

TEST_F(ScoreFiles, AStoreThatCannotBeMadeNamesTheFileWritesNothingAndLeavesTheOldOnes) {
    useSchedule(3, 2);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cup")));
    work.ContestDir = path("cup/");
    RoundMarks marks;
    marks.setMark(0, 0, 9);
    // Names that cannot form a file name in the competition folder.
    for (const char* name : {"../x", "a/b", "..\\y", ".."}) {
        contest.ContName = QString::fromUtf8(name);
        EXPECT_FALSE(SaveScores(contest, work, 0, 1, marks)) << name;
        contest.ContName = QStringLiteral("Cup");
        contest.Pilots[0].Name = QString::fromUtf8(name);
        EXPECT_FALSE(SaveScores(contest, work, 0, 1, marks)) << name;
        contest.Pilots[0].Name = QStringLiteral("Per");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"cup"});
    EXPECT_TRUE(QDir(path("cup")).isEmpty());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cup/Cup.RES")));
    const Status blocked = SaveScores(contest, work, 0, 1, marks);
    EXPECT_FALSE(blocked);
    EXPECT_TRUE(blocked.message.contains(QStringLiteral("Cup.RES")));
    // The round's marks are not stored without its points.
    EXPECT_EQ(QDir(path("cup")).entryList(QDir::Files), QStringList());
    work.ContestDir = dir.path() + QStringLiteral("/vanished/");
    const Status vanished = SaveScores(contest, work, 0, 1, marks);
    EXPECT_FALSE(vanished);
    EXPECT_TRUE(vanished.message.contains(QStringLiteral("Cup Per.R01")));
}
