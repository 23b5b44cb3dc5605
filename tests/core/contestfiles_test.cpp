#include "core/contestfiles.h"
#include "support/contestfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

class ContestFiles : public ContestFolder {
  protected:
    Status readContest(const QByteArray& bytes) {
        EXPECT_TRUE(writeBytes(work.contestPath(), bytes));
        return ReadContest(contest, work, texts);
    }

    Status readSchedule(const QByteArray& bytes) {
        contest.ContSchedule = QStringLiteral("test.sch");
        EXPECT_TRUE(writeBytes(SchedulePath(contest, work), bytes));
        return ReadSchedule(contest, work, texts);
    }

    // Refused naming the file, and nothing of the file is kept.
    void expectRefused(const Status& status, const QString& file, const QByteArray& bytes) {
        EXPECT_FALSE(status) << bytes.constData();
        EXPECT_TRUE(status.message.contains(QDir::toNativeSeparators(file))) << bytes.constData();
        EXPECT_EQ(contest.JudgeCount + contest.PilotCount + contest.ManeuverCount, 0)
            << bytes.constData();
    }
};

} // namespace

TEST_F(ContestFiles, CompetitionAndScheduleFilesRoundTripByteForByte) {
    const QByteArray original = readBytes(testData("contest.cnt"));
    ASSERT_TRUE(readContest(original));
    EXPECT_EQ(contest.ContName, QString::fromUtf8("Vårcupen 2026"));
    EXPECT_EQ(contest.Judges[0].Name, QString::fromUtf8("Åse Ødegård"));
    ASSERT_EQ(contest.PilotCount, 4);
    EXPECT_EQ(contest.Pilots[1].KFactor, 1.5);
    EXPECT_EQ(contest.Pilots[1].Channel, 35.03);
    EXPECT_EQ(contest.Pilots[3].StartNo, 7);
    ASSERT_EQ(contest.TeamCount, 3);
    EXPECT_EQ(contest.Teams[0].Members[1], "Per Olsen");
    EXPECT_EQ(contest.Teams[1].MemberCount, 0);
    work.ContestFile = QStringLiteral("copy.cnt");
    ASSERT_TRUE(SaveContest(contest, work, texts));
    EXPECT_EQ(readBytes(work.contestPath()), original);

    const QByteArray schedule = readBytes(testData("schedule.sch"));
    ASSERT_TRUE(readSchedule(schedule));
    EXPECT_EQ(contest.TotalTime, 8);
    ASSERT_EQ(contest.ManeuverCount, 5);
    EXPECT_EQ(contest.ManeuverName[2], QString::fromUtf8("Rull på rygg"));
    contest.ContSchedule = QStringLiteral("copy.sch");
    ASSERT_TRUE(SaveSchedule(contest, 8, work));
    EXPECT_EQ(readBytes(SchedulePath(contest, work)), schedule);
    ASSERT_TRUE(readSchedule("TOTALTIME, 10\r\n"));
    EXPECT_EQ(contest.ManeuverCount, 0);
}

TEST_F(ContestFiles, WritesRecordsAsTheFormatPicturesAndTheCountsFollowTheLastRecordRead) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 4;
    contest.JudgeCount = 1;
    contest.Judges[0] = {QStringLiteral("Navn"), QStringLiteral("Nasjon")};
    Pilot& pilot = addPilot(contest, "  Navn ", 5);
    pilot.Channel = 35.01;
    pilot.Club = QStringLiteral("Klubb");
    pilot.NACNo = QStringLiteral("NAK");
    pilot.Plane = QStringLiteral("Fly");
    pilot.Engine = QStringLiteral("Motor");
    pilot.Radio = QStringLiteral("Radio");
    contest.TeamCount = 1;
    contest.Teams[0] = {QStringLiteral("Lag"), 2, {"Navn", "N2"}, {}, 0, 0};
    EXPECT_EQ(ContestFileBytes(contest),
              "CONT_NAME,Cup\r\nCONT_DATE,\r\nCONT_LOCATION,\r\nCONT_SCHEDULE,\r\n"
              "ROUNDS,4\r\nSTART_NO_OFFSET,0\r\n\r\nJUDGE,01,Navn,Nasjon\r\n\r\n"
              "PILOT,001,005,Navn,Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n\r\n"
              "TEAM,001,Lag,02,Navn,N2,\r\n");

    // Every pilot up to 101 loads.
    QByteArray pilots;
    for (int n = 101; n >= 1; --n)
        pilots += "PILOT," + QByteArray::number(n) + ",005,P" + QByteArray::number(n) +
                  ",Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n";
    contest = Contest();
    ASSERT_TRUE(readContest("CONT_NAME,Cup\r\nJUDGE,01,A,X\r\nJUDGE,03,C,X\r\nJUDGE,02,D,Y\r\n" +
                            pilots +
                            "PILOT,101,005,Last,Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n"));
    EXPECT_EQ(contest.JudgeCount, 2);
    EXPECT_EQ(contest.Judges[1].Name, "D");
    EXPECT_EQ(contest.PilotCount, 101);
    EXPECT_EQ(contest.Pilots[100].Name, "Last");
}

TEST_F(ContestFiles, MissingFilesLeaveTheCountsAtZeroAndDamagedFilesAreRefusedNamingTheLine) {
    contest.PilotCount = 4;
    contest.ContName = QStringLiteral("Kept");
    const Status missing = ReadContest(contest, work, texts);
    EXPECT_TRUE(missing.message.startsWith(texts.get("UNABLE_TO_LOCATE_FILE_MESSAGE")));
    expectRefused(missing, work.contestPath(), "missing");
    EXPECT_EQ(contest.ContName, "Kept");
    contest.ManeuverCount = 7;
    contest.ContSchedule = QStringLiteral("nowhere.sch");
    const Status noSchedule = ReadSchedule(contest, work, texts);
    EXPECT_TRUE(noSchedule.message.contains(texts.get("SCHEDULE_NOT_LOADED_MESSAGE")));
    expectRefused(noSchedule, path("nowhere.sch"), "missing");

    const QByteArray head = "CONT_NAME,After\r\nJUDGE,01,Ok,X\r\n";
    for (const QByteArray& line : readBytes(testData("damaged_contest_records.txt")).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        contest = Contest();
        const QByteArray body = QByteArray(line).replace('|', "\r\n") + "\r\n";
        const Status status = readContest(head + body);
        expectRefused(status, work.contestPath(), body);
        EXPECT_TRUE(status.message.contains(QStringLiteral("Line 3"))) << body.constData();
        EXPECT_TRUE(contest.ContName.isEmpty()) << body.constData();
    }
    // The damaged-file sweep brings empty, Unicode, binary and cut files; these it cannot make.
    for (const QByteArray& bytes :
         {QByteArray("\xEF\xBB\xBF"), QByteArray("JUDGE,01,Ok,X\r\n"),
          head + "PILOT,002,005,N,K,NAK,1.00,035.010,F,M,R\r\n"}) { // pilot 1 is missing
        contest = Contest();
        expectRefused(readContest(bytes), work.contestPath(), bytes);
    }

    for (const char* body : {"MAN, 00, Loop, 2\r\n", "MAN, 52, Loop, 2\r\n",
                             "MAN, 01, Loop, two\r\n", "TOTALTIME, ten\r\n"}) {
        const Status status = readSchedule(QByteArray("TOTALTIME, 8\r\nMAN, 01, Ok, 1\r\n") + body);
        EXPECT_TRUE(status.message.contains(QStringLiteral("Line 3"))) << body;
        expectRefused(status, path("test.sch"), body);
    }
    for (const QByteArray& bytes : {QByteArray("\xEF\xBB\xBF"), QByteArray("MAN, 01, L, 2\r\n")}) {
        contest.ManeuverCount = 3;
        const Status status = readSchedule(bytes);
        EXPECT_TRUE(status.message.contains(texts.get("SCHEDULE_NOT_LOADED_MESSAGE")));
        expectRefused(status, path("test.sch"), bytes);
    }
}

TEST_F(ContestFiles, SavingAnEditedCompetitionWhoseFileOrFolderVanishedWritesNothing) {
    work.EditMode = 1;
    const Status status = SaveContest(contest, work, texts);
    EXPECT_TRUE(status.message.startsWith(texts.get("UNABLE_TO_LOCATE_FILE_MESSAGE")));
    EXPECT_FALSE(QFile::exists(work.contestPath()));
    work.EditMode = 0;
    work.ContestDir = dir.path() + QStringLiteral("/gone/");
    const Status vanished = SaveContest(contest, work, texts);
    EXPECT_FALSE(vanished);
    EXPECT_TRUE(vanished.message.contains(QStringLiteral("gone")));
}
