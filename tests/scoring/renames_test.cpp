#include "core/contestfiles.h"
#include "scoring/renames.h"
#include "scoring/scorefiles.h"
#include "support/contestfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

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
            pilot.NACNo = QStringLiteral("NAK");
            pilot.Plane = QStringLiteral("Fly");
            pilot.Engine = QStringLiteral("Motor");
            pilot.Radio = QStringLiteral("Radio");
        }
        contest.Pilots[0].RoundScore[0] = 512.5;
        contest.Pilots[1].RoundScore[0] = 400.0;
        contest.TeamCount = 1;
        contest.Teams[0].Name = QStringLiteral("Lag");
        contest.Teams[0].MemberCount = 2;
        contest.Teams[0].Members = {QStringLiteral("Per"), QString::fromUtf8("Kåre Ås")};
        ASSERT_TRUE(SaveContest(contest, work, texts));
        work.EditMode = 1;
        ASSERT_TRUE(writeBytes(roundFile("Per", 1), "SCORE,01,8,8,8,\r\nBONUS,0\r\n\r\n"));
        ASSERT_TRUE(writeBytes(roundFile("Per", 2), "SCORE,01,9,9,9,\r\nBONUS,0\r\n\r\n"));
        ASSERT_TRUE(writeBytes(ResultsFilePath(contest, work), results));
    }

    QString roundFile(const char* pilot, int round, const char* contestName = "Vårcup") const {
        return dir.path() + u'/' + QString::fromUtf8(contestName) + u' ' +
               QString::fromUtf8(pilot) + QStringLiteral(".R0") + QString::number(round);
    }

    PilotEntry renamed(const char* name) const {
        const Pilot& pilot = contest.Pilots[0];
        PilotEntry entry{pilot.StartNo, QString::fromUtf8(name), pilot.Club,  pilot.NACNo,
                         pilot.KFactor, pilot.Channel,           pilot.Plane, pilot.Engine,
                         pilot.Radio};
        return entry;
    }

    QByteArray results = "001, Per, 0512.50, 0000.00, \r\n"
                         "002, K\xe5re \xc5s, 0400.00, 0000.00, \r\n";
};

} // namespace

TEST_F(Renames, ARenamedPilotTakesItsMarksAlong) {
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, renamed("Pål")));

    EXPECT_FALSE(QFile::exists(roundFile("Per", 1)));
    EXPECT_EQ(readBytes(roundFile("Pål", 1)), "SCORE,01,8,8,8,\r\nBONUS,0\r\n\r\n");
    EXPECT_EQ(readBytes(roundFile("Pål", 2)), "SCORE,01,9,9,9,\r\nBONUS,0\r\n\r\n");
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)),
              "001, P\xe5l, 0512.50, 0000.00, \r\n002, K\xe5re \xc5s, 0400.00, 0000.00, \r\n");
    EXPECT_EQ(contest.Pilots[0].Name, QString::fromUtf8("Pål"));
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 512.5);
    EXPECT_EQ(contest.Teams[0].Members[0], QString::fromUtf8("Pål"));

    // The competition file names the pilot as the score files do.
    Contest reread;
    const Status loaded = ReadContest(reread, work, texts);
    ASSERT_TRUE(loaded) << loaded.message.toStdString();
    EXPECT_EQ(reread.Pilots[0].Name, QString::fromUtf8("Pål"));
    const Status read = ReadPreviousScores(reread, work, 2);
    ASSERT_TRUE(read) << read.message.toStdString();
    EXPECT_EQ(reread.Pilots[0].RoundScore[0], 512.5);
}

TEST_F(Renames, OnlyTheRenameReachesTheFileAndAnUnsavedPilotTakesNoScoreFiles) {
    // Changes the editor has not saved yet stay out of the competition file.
    contest.JudgeCount = 1;
    contest.Judges[0] = {QStringLiteral("Ny"), QStringLiteral("NOR")};
    contest.Pilots[1].Club = QStringLiteral("Moss MFK");
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, renamed("Pål")));
    Contest reread;
    ASSERT_TRUE(ReadContest(reread, work, texts));
    EXPECT_EQ(reread.Pilots[0].Name, QString::fromUtf8("Pål"));
    EXPECT_EQ(reread.Teams[0].Members[0], QString::fromUtf8("Pål"));
    EXPECT_EQ(reread.JudgeCount, 0);
    EXPECT_EQ(reread.Pilots[1].Club, "Klubb");
    EXPECT_EQ(contest.JudgeCount, 1);
    EXPECT_EQ(contest.Pilots[1].Club, "Moss MFK");

    // Files under the name of a pilot added since are not that pilot's.
    const QByteArray cnt = readBytes(work.contestPath());
    ASSERT_TRUE(writeBytes(roundFile("Ola", 1), "SCORE,01,1,1,1,\r\nBONUS,0\r\n\r\n"));
    addPilot(contest, "Ola", 3);
    ASSERT_TRUE(ChangePilot(contest, work, texts, 2, renamed("Olav")));
    EXPECT_EQ(contest.Pilots[2].Name, "Olav");
    EXPECT_TRUE(QFile::exists(roundFile("Ola", 1)));
    EXPECT_FALSE(QFile::exists(roundFile("Olav", 1)));
    EXPECT_EQ(readBytes(work.contestPath()), cnt);
}

TEST_F(Renames, ARenameThatWouldOverwriteOrCannotBeSavedChangesNothing) {
    const QByteArray cnt = readBytes(work.contestPath());
    ASSERT_TRUE(writeBytes(roundFile("Ola", 2), "other marks"));
    Status status = ChangePilot(contest, work, texts, 0, renamed("Ola"));
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.contains(u"Ola.R02")) << status.message.toStdString();
    EXPECT_TRUE(QFile::exists(roundFile("Per", 1)));
    EXPECT_TRUE(QFile::exists(roundFile("Per", 2)));
    EXPECT_EQ(readBytes(roundFile("Ola", 2)), "other marks");
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), results);
    EXPECT_EQ(contest.Pilots[0].Name, "Per");
    EXPECT_EQ(readBytes(work.contestPath()), cnt);

    // A competition file that vanished cannot be saved: the files go back.
    ASSERT_TRUE(QFile::remove(work.contestPath()));
    status = ChangePilot(contest, work, texts, 0, renamed("Pål"));
    EXPECT_FALSE(status);
    EXPECT_TRUE(QFile::exists(roundFile("Per", 1)));
    EXPECT_FALSE(QFile::exists(roundFile("Pål", 1)));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), results);
    EXPECT_EQ(contest.Pilots[0].Name, "Per");
    EXPECT_EQ(contest.Teams[0].Members[0], "Per");
}

TEST_F(Renames, ANewCompetitionOrAnUnchangedNameTouchesNoFile) {
    const QByteArray cnt = readBytes(work.contestPath());
    PilotEntry entry = renamed(" Per ");
    entry.club = QStringLiteral("Moss MFK");
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, entry));
    EXPECT_EQ(contest.Pilots[0].Club, "Moss MFK");
    EXPECT_EQ(readBytes(work.contestPath()), cnt);

    work.EditMode = 0;
    ASSERT_TRUE(ChangePilot(contest, work, texts, 0, renamed("Pål")));
    EXPECT_TRUE(QFile::exists(roundFile("Per", 1)));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), results);
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
    const QString saved = work.contestPath() + QStringLiteral(".kept");
    ASSERT_TRUE(QFile::rename(work.contestPath(), saved));
    header.name = QString::fromUtf8("Vårcup");
    EXPECT_FALSE(SaveEditedContest(contest, work, texts, header));
    EXPECT_EQ(contest.Rounds, 2);
    EXPECT_EQ(contest.ContDate, "");
    ASSERT_TRUE(QFile::rename(saved, work.contestPath()));

    header.name = QStringLiteral("Sommercup");
    ASSERT_TRUE(SaveEditedContest(contest, work, texts, header));
    EXPECT_EQ(readBytes(roundFile("Per", 2, "Sommercup")), "SCORE,01,9,9,9,\r\nBONUS,0\r\n\r\n");
    EXPECT_FALSE(QFile::exists(roundFile("Per", 2)));
    EXPECT_EQ(readBytes(ResultsFilePath(contest, work)), results);
    Contest reread;
    const Status loaded = ReadContest(reread, work, texts);
    ASSERT_TRUE(loaded) << loaded.message.toStdString();
    EXPECT_EQ(reread.ContName, "Sommercup");
    EXPECT_EQ(reread.Rounds, 3);
}
