#include "core/contestfiles.h"
#include "scoring/renames.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

const QByteArray kMarks1 = "SCORE,01,8,8,8,\r\nBONUS,0\r\n\r\n";
const QByteArray kMarks2 = "SCORE,01,9,9,9,\r\nBONUS,0\r\n\r\n";
const QByteArray kResults =
    "001, Per, 0512.50, 0000.00, \r\n002, K\xe5re \xc5s, 0400.00, 0000.00, \r\n";

class Renames : public ContestFolder {
  protected:
    void SetUp() override {
        ContestFolder::SetUp();
        contest.ContName = QString::fromUtf8("Vårcup");
        contest.ContSchedule = QStringLiteral("F3A.sch");
        contest.Rounds = 2;
        for (const char* name : {"Per", "Kåre Ås"}) {
            Pilot& pilot = addPilot(contest, name, contest.PilotCount + 1);
            pilot.Club = QStringLiteral("Klubb");
            pilot.NACNo = pilot.Plane = pilot.Engine = pilot.Radio = QStringLiteral("X");
        }
        contest.Pilots[0].RoundScore[0] = 512.5;
        contest.TeamCount = 1;
        contest.Teams[0] = {
            QStringLiteral("Lag"), 2, {"Per", QString::fromUtf8("Kåre Ås")}, {}, 0, 0};
        ASSERT_TRUE(SaveContest(contest, work, texts));
        work.EditMode = 1;
        ASSERT_TRUE(writeBytes(roundFile("Per", 1), kMarks1));
        ASSERT_TRUE(writeBytes(roundFile("Per", 2), kMarks2));
        ASSERT_TRUE(writeBytes(ResultsFilePath(contest, work), kResults));
        saved = readBytes(work.contestPath());
    }

    QString roundFile(const char* pilot, int round, const char* contestName = "Vårcup") const {
        return path(contestName) + u' ' + QString::fromUtf8(pilot) +
               QStringLiteral(".R0%1").arg(round);
    }

    PilotEntry renamed(const char* name) const {
        const Pilot& p = contest.Pilots[0];
        return {p.StartNo, QString::fromUtf8(name),
                p.Club,    p.NACNo,
                p.KFactor, p.Channel,
                p.Plane,   p.Engine,
                p.Radio};
    }

    // Nothing was renamed: files, competition file and store as they were.
    void expectUnchanged() {
        EXPECT_EQ(readBytes(roundFile("Per", 1)), kMarks1);
        EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), kResults);
        EXPECT_EQ(contest.Pilots[0].Name, "Per");
        EXPECT_EQ(contest.Teams[0].Members[0], "Per");
    }

    QByteArray saved;
};

} // namespace

// Changes the editor has not saved yet (a judge, another pilot's club) stay out of the file.
TEST_F(Renames, ARenamedPilotTakesItsMarksAlongAndOnlyTheRenameReachesTheFile) {
    contest.JudgeCount = 1;
    contest.Pilots[1].Club = QStringLiteral("Moss MFK");
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, renamed("Pål")));
    EXPECT_FALSE(QFile::exists(roundFile("Per", 1)));
    EXPECT_EQ(readBytes(roundFile("Pål", 1)), kMarks1);
    EXPECT_EQ(readBytes(roundFile("Pål", 2)), kMarks2);
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)),
              QByteArray(kResults).replace("Per", "P\xe5l"));
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 512.5);
    EXPECT_EQ(contest.Teams[0].Members[0], QString::fromUtf8("Pål"));
    EXPECT_EQ(contest.Pilots[1].Club, "Moss MFK");

    Contest reread;
    ASSERT_TRUE(ReadContest(reread, work, texts));
    EXPECT_EQ(reread.Pilots[0].Name, QString::fromUtf8("Pål"));
    EXPECT_EQ(reread.Teams[0].Members[0], QString::fromUtf8("Pål"));
    EXPECT_EQ(reread.JudgeCount, 0);
    EXPECT_EQ(reread.Pilots[1].Club, "Klubb");
    ASSERT_TRUE(ReadPreviousScores(reread, work, 2));
    EXPECT_EQ(reread.Pilots[0].RoundScore[0], 512.5);

    // Files under the name of a pilot added since are not that pilot's.
    saved = readBytes(work.contestPath());
    ASSERT_TRUE(writeBytes(roundFile("Ola", 1), kMarks1));
    addPilot(contest, "Ola", 3);
    ASSERT_TRUE(ChangePilot(contest, work, texts, 2, renamed("Olav")));
    EXPECT_EQ(contest.Pilots[2].Name, "Olav");
    EXPECT_TRUE(QFile::exists(roundFile("Ola", 1)));
    EXPECT_FALSE(QFile::exists(roundFile("Olav", 1)));
    EXPECT_EQ(readBytes(work.contestPath()), saved);
}

TEST_F(Renames, ARenameThatWouldOverwriteOrCannotBeSavedChangesNothing) {
    ASSERT_TRUE(writeBytes(roundFile("Ola", 2), "other marks"));
    const Status status = ChangePilot(contest, work, texts, 0, renamed("Ola"));
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.contains(u"Ola.R02")) << status.message.toStdString();
    EXPECT_EQ(readBytes(roundFile("Ola", 2)), "other marks");
    EXPECT_EQ(readBytes(work.contestPath()), saved);
    expectUnchanged();

    // A competition file that vanished cannot be saved: the files go back.
    ASSERT_TRUE(QFile::remove(work.contestPath()));
    EXPECT_FALSE(ChangePilot(contest, work, texts, 0, renamed("Pål")));
    EXPECT_FALSE(QFile::exists(roundFile("Pål", 1)));
    expectUnchanged();
}

TEST_F(Renames, ANewCompetitionOrAnUnchangedNameTouchesNoFile) {
    PilotEntry entry = renamed(" Per ");
    entry.club = QStringLiteral("Moss MFK");
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, entry));
    EXPECT_EQ(contest.Pilots[0].Club, "Moss MFK");
    EXPECT_EQ(readBytes(work.contestPath()), saved);

    work.EditMode = 0;
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, renamed("Pål")));
    EXPECT_TRUE(QFile::exists(roundFile("Per", 1)));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), kResults);
    EXPECT_EQ(contest.Teams[0].Members[0], QString::fromUtf8("Pål"));
}

TEST_F(Renames, ARenamedCompetitionTakesEveryScoreFileAlong) {
    ContestHeader header{QStringLiteral("Høstcup"),
                         QStringLiteral("1. mai"),
                         QStringLiteral("Moss"),
                         QStringLiteral("F3A.sch"),
                         3,
                         1};
    ASSERT_TRUE(writeBytes(roundFile("Per", 1, "Høstcup"), "x"));
    EXPECT_FALSE(SaveEditedContest(contest, work, texts, header));
    EXPECT_EQ(contest.ContName, QString::fromUtf8("Vårcup"));
    EXPECT_TRUE(QFile::exists(roundFile("Per", 1)));

    // A competition file that vanished is not written, and the store keeps its header.
    ASSERT_TRUE(QFile::remove(work.contestPath()));
    header.name = QString::fromUtf8("Vårcup");
    EXPECT_FALSE(SaveEditedContest(contest, work, texts, header));
    EXPECT_EQ(contest.Rounds, 2);
    EXPECT_EQ(contest.ContDate, "");
    ASSERT_TRUE(writeBytes(work.contestPath(), saved));

    header.name = QStringLiteral("Sommercup");
    ASSERT_TRUE(SaveEditedContest(contest, work, texts, header));
    EXPECT_EQ(readBytes(roundFile("Per", 2, "Sommercup")), kMarks2);
    EXPECT_FALSE(QFile::exists(roundFile("Per", 2)));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), kResults);
    Contest reread;
    ASSERT_TRUE(ReadContest(reread, work, texts));
    EXPECT_EQ(reread.ContName, "Sommercup");
    EXPECT_EQ(reread.Rounds, 3);
}
