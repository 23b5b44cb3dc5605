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
};

} // namespace

TEST_F(ContestFiles, CompetitionAndScheduleFilesRoundTripByteForByte) {
    const QByteArray original = readBytes(testData("contest.cnt"));
    ASSERT_FALSE(original.isEmpty());
    ASSERT_TRUE(readContest(original));
    EXPECT_EQ(contest.ContName, QString::fromUtf8("Vårcupen 2026"));
    EXPECT_EQ(contest.Rounds, 4);
    EXPECT_EQ(contest.Judges[0].Name, QString::fromUtf8("Åse Ødegård"));
    ASSERT_EQ(contest.PilotCount, 4);
    const Pilot& kare = contest.Pilots[1];
    EXPECT_EQ(kare.Club, QString::fromUtf8("Bærum MFK"));
    EXPECT_EQ(kare.KFactor, 1.5);
    EXPECT_EQ(kare.Channel, 35.03);
    EXPECT_EQ(contest.Pilots[3].StartNo, 7);
    ASSERT_EQ(contest.TeamCount, 3);
    EXPECT_EQ(contest.Teams[0].Members[1], "Per Olsen");
    EXPECT_EQ(contest.Teams[1].MemberCount, 0);
    EXPECT_EQ(contest.Teams[2].MemberCount, 4);
    EXPECT_EQ(ContestFileBytes(contest), original);
    work.ContestFile = QStringLiteral("copy.cnt");
    ASSERT_TRUE(SaveContest(contest, work, texts));
    EXPECT_EQ(readBytes(work.contestPath()), original);

    const QByteArray schedule = readBytes(testData("schedule.sch"));
    ASSERT_TRUE(readSchedule(schedule));
    EXPECT_EQ(contest.TotalTime, 8);
    ASSERT_EQ(contest.ManeuverCount, 5);
    EXPECT_EQ(contest.ManeuverName[2], QString::fromUtf8("Rull på rygg"));
    EXPECT_EQ(contest.ManeuverK[4], 0);
    contest.ContSchedule = QStringLiteral("copy.sch");
    ASSERT_TRUE(SaveSchedule(contest, 8, work));
    EXPECT_EQ(readBytes(SchedulePath(contest, work)), schedule);
    ASSERT_TRUE(readSchedule("TOTALTIME, 10\r\n"));
    EXPECT_EQ(contest.TotalTime, 10);
    EXPECT_EQ(contest.ManeuverCount, 0);
}

TEST_F(ContestFiles, WritesHeaderRecordsAndTeamsAsTheFormatPictures) {
    contest.ContName = QStringLiteral("Cup");
    contest.Rounds = 4;
    contest.StartNoOffset = 1;
    contest.JudgeCount = 1;
    contest.Judges[0] = {QStringLiteral("Navn"), QStringLiteral("Nasjon")};
    contest.PilotCount = 1;
    Pilot& pilot = contest.Pilots[0];
    pilot.StartNo = 5;
    pilot.Name = QStringLiteral("  Navn ");
    pilot.Channel = 35.01;
    pilot.Club = QStringLiteral("Klubb");
    pilot.NACNo = QStringLiteral("NAK");
    pilot.Plane = QStringLiteral("Fly");
    pilot.Engine = QStringLiteral("Motor");
    pilot.Radio = QStringLiteral("Radio");
    EXPECT_EQ(ContestFileBytes(contest),
              "CONT_NAME,Cup\r\nCONT_DATE,\r\nCONT_LOCATION,\r\nCONT_SCHEDULE,\r\n"
              "ROUNDS,4\r\nSTART_NO_OFFSET,1\r\n\r\nJUDGE,01,Navn,Nasjon\r\n\r\n"
              "PILOT,001,005,Navn,Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n\r\n");
    contest.TeamCount = 1;
    contest.Teams[0] = {
        QStringLiteral("Lag"), 2, {QStringLiteral("Navn"), QStringLiteral("N2")}, {}, 0, 0};
    EXPECT_TRUE(ContestFileBytes(contest).endsWith("\r\n\r\nTEAM,001,Lag,02,Navn,N2,\r\n"));

    // The counts follow the last record read; every pilot up to 101 loads.
    contest = Contest();
    QByteArray pilots;
    for (int n = 101; n >= 1; --n)
        pilots += "PILOT," + QByteArray::number(n) + ",005," +
                  (n == 101 ? "Last" : "P" + QByteArray::number(n)) +
                  ",Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n";
    ASSERT_TRUE(readContest("CONT_NAME,Cup\r\nJUDGE,01,A,X\r\nJUDGE,02,B,X\r\nJUDGE,03,C,X\r\n"
                            "JUDGE,02,D,Y\r\n" +
                            pilots +
                            "PILOT,101,005,Last,Klubb,NAK,1.00,035.010,Fly,Motor,Radio\r\n"));
    EXPECT_EQ(contest.JudgeCount, 2);
    EXPECT_EQ(contest.Judges[1].Name, "D");
    EXPECT_EQ(contest.PilotCount, 101);
    EXPECT_EQ(contest.Pilots[100].Name, "Last");
    EXPECT_EQ(contest.TeamCount, 0);
}

TEST_F(ContestFiles, MissingFilesLeaveTheCountsAtZeroAndDamagedFilesAreRefusedNamingTheLine) {
    contest.JudgeCount = 3;
    contest.PilotCount = 4;
    contest.ContName = QStringLiteral("Kept");
    const Status missing = ReadContest(contest, work, texts);
    EXPECT_TRUE(missing.message.startsWith(texts.get("UNABLE_TO_LOCATE_FILE_MESSAGE")));
    EXPECT_TRUE(missing.message.contains(QDir::toNativeSeparators(work.contestPath())));
    EXPECT_EQ(contest.JudgeCount, 0);
    EXPECT_EQ(contest.PilotCount, 0);
    EXPECT_EQ(contest.ContName, "Kept");
    contest.ManeuverCount = 7;
    contest.ContSchedule = QStringLiteral("nowhere.sch");
    const Status noSchedule = ReadSchedule(contest, work, texts);
    EXPECT_TRUE(noSchedule.message.contains(QDir::toNativeSeparators(path("nowhere.sch"))));
    EXPECT_TRUE(noSchedule.message.contains(texts.get("SCHEDULE_NOT_LOADED_MESSAGE")));
    EXPECT_EQ(contest.ManeuverCount, 0);

    const QByteArray head = "CONT_NAME,After\r\nJUDGE,01,Ok,X\r\n";
    const QByteArray line3[] = {
        "JUDGE,00,A,X\r\n", "JUDGE,12,A,X\r\n", "JUDGE,-1,A,X\r\n", "JUDGE,1.5,A,X\r\n",
        "PILOT,102,005,N,K,NAK,1.00,035.010,F,M,R\r\n",
        "PILOT,000,005,N,K,NAK,1.00,035.010,F,M,R\r\n",
        "PILOT,001,005,N,K,NAK,x.00,035.010,F,M,R\r\n",
        "PILOT,001,abc,N,K,NAK,1.00,035.010,F,M,R\r\n", "TEAM,022,Lag,00,\r\n",
        "TEAM,001,Lag,05,A,B,C,D,E,\r\n", "ROUNDS,12\r\n", "ROUNDS,four\r\n",
        // What the pilot editor refuses.
        "PILOT,001,005,N,K,NAK,-1.00,035.010,F,M,R\r\n",
        "PILOT,001,005,N,K,NAK,0.00,035.010,F,M,R\r\n",
        "PILOT,001,005,N,K,NAK,99999999999999999999,035.010,F,M,R\r\n",
        "PILOT,001,005,N,K,NAK,1.00,-35.010,F,M,R\r\n",
        // Names that would put score files elsewhere or cannot be file names.
        "CONT_NAME,../x\r\n", "CONT_NAME,C:\\x\r\n",
        "PILOT,001,005,../../x,K,NAK,1.00,035.010,F,M,R\r\n",
        "PILOT,001,005,a/b,K,NAK,1.00,035.010,F,M,R\r\n",
        "PILOT,001,005,..,K,NAK,1.00,035.010,F,M,R\r\n",
        "PILOT,001,005,a<b>,K,NAK,1.00,035.010,F,M,R\r\n",
        // A record whose line ends early would take its values from the next line.
        "PILOT,001,005,N,K,NAK,1.00,035.010,F,M\r\nPILOT,002,006,O,K,NAK,1.00,035.010,F,M,R\r\n"};
    for (const QByteArray& body : line3) {
        contest = Contest();
        contest.ContName = QStringLiteral("Before");
        const Status status = readContest(head + body);
        EXPECT_FALSE(status) << body.constData();
        EXPECT_TRUE(status.message.contains(QDir::toNativeSeparators(work.contestPath())))
            << body.constData();
        EXPECT_TRUE(status.message.contains(QStringLiteral("Line 3")))
            << body.constData() << status.message.toStdString();
        EXPECT_EQ(contest.JudgeCount, 0) << body.constData();
        EXPECT_EQ(contest.PilotCount, 0) << body.constData();
        EXPECT_EQ(contest.ContName, "Before") << body.constData();
    }
    // The damaged-file sweep brings empty, Unicode, binary and cut files; these it cannot make.
    const QByteArray wholeFile[] = {
        "\xEF\xBB\xBF", "JUDGE,01,Ok,X\r\n",
        head + "PILOT,002,005,N,K,NAK,1.00,035.010,F,M,R\r\n"}; // pilot 1 is missing
    for (const QByteArray& bytes : wholeFile) {
        contest = Contest();
        const Status status = readContest(bytes);
        EXPECT_FALSE(status) << bytes.constData();
        EXPECT_TRUE(status.message.contains(QDir::toNativeSeparators(work.contestPath())))
            << bytes.constData();
        EXPECT_EQ(contest.PilotCount, 0) << bytes.constData();
    }

    for (const char* body : {"MAN, 00, Loop, 2\r\n", "MAN, 52, Loop, 2\r\n",
                             "MAN, 01, Loop, two\r\n", "TOTALTIME, ten\r\n"}) {
        const Status status = readSchedule(QByteArray("TOTALTIME, 8\r\nMAN, 01, Ok, 1\r\n") + body);
        EXPECT_FALSE(status) << body;
        EXPECT_TRUE(status.message.contains(QStringLiteral("Line 3"))) << body;
        EXPECT_EQ(contest.ManeuverCount, 0) << body;
    }
    const QByteArray notSchedules[] = {"\xEF\xBB\xBF", "MAN, 01, Loop, 2\r\n"};
    for (const QByteArray& bytes : notSchedules) {
        contest.ManeuverCount = 3;
        const Status status = readSchedule(bytes);
        EXPECT_FALSE(status) << bytes.constData();
        EXPECT_TRUE(status.message.contains(QDir::toNativeSeparators(path("test.sch"))))
            << bytes.constData();
        EXPECT_TRUE(status.message.contains(texts.get("SCHEDULE_NOT_LOADED_MESSAGE")))
            << bytes.constData();
        EXPECT_EQ(contest.ManeuverCount, 0) << bytes.constData();
    }
}

TEST_F(ContestFiles, SavingAnEditedCompetitionWhoseFileOrFolderVanishedWritesNothing) {
    work.EditMode = 1;
    const Status status = SaveContest(contest, work, texts);
    EXPECT_TRUE(status.message.startsWith(texts.get("UNABLE_TO_LOCATE_FILE_MESSAGE")));
    EXPECT_FALSE(status);
    EXPECT_FALSE(QFile::exists(work.contestPath()));
    work.EditMode = 0;
    work.ContestDir = dir.path() + QStringLiteral("/gone/");
    const Status vanished = SaveContest(contest, work, texts);
    EXPECT_FALSE(vanished);
    EXPECT_TRUE(vanished.message.contains(QStringLiteral("gone")));
}
