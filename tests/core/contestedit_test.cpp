#include "core/contestedit.h"
#include "core/contestfiles.h"
#include "core/editorlines.h"
#include "core/scheduleedit.h"
#include "support/contestfolder.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace veltra;

TEST(EditorLines, ListLinesPadTheirColumnsAndNeverCut) {
    Contest contest;
    contest.Judges[0] = {QString::fromUtf8("Åse Ødegård"), QStringLiteral("NOR")};
    EXPECT_EQ(JudgeListLine(contest, 0), QString::fromUtf8(" 1 Åse Ødegård") + QString(15, u' ') +
                                             QStringLiteral("NOR") + QString(12, u' '));
    Pilot& pilot = addPilot(contest, "Kåre Ås");
    pilot.Club = QString::fromUtf8("Bærum MFK");
    pilot.Channel = 35.01;
    const QString start = QString::fromUtf8(" 1 Kåre Ås") + QString(19, u' ') +
                          QString::fromUtf8("Bærum MFK") + QString(7, u' ');
    EXPECT_EQ(PilotListLine(contest, 0, 0), start + QStringLiteral("35.010"));
    pilot.Channel = 61;
    EXPECT_EQ(PilotListLine(contest, 0, 1), start + QStringLiteral("61"));
    pilot.Name = QString(30, u'x');
    EXPECT_TRUE(PilotListLine(contest, 0, 1).startsWith(QStringLiteral(" 1 ") + pilot.Name + u' '));

    EXPECT_EQ(ManeuverListHeading(QString::fromUtf8("Manøver")),
              QString::fromUtf8(" # Manøver                                        K"));
    contest.ManeuverName[11] = QStringLiteral("Loop");
    contest.ManeuverK[11] = 10;
    EXPECT_EQ(ManeuverListLine(contest, 12),
              QStringLiteral("12 Loop") + QString(41, u' ') + QStringLiteral(" 10"));
}

TEST(PilotEditing, EmptyBoxesTakeTheDefaultsTextsLoseTheirCommasAndBadValuesAreRefusedByBox) {
    Contest contest;
    addPilot(contest, "Navn");
    addPilot(contest, "Per Olsen");
    PilotBoxes boxes;
    boxes.name = QStringLiteral("New");
    PilotCheck result = CheckPilotBoxes(boxes, contest, 2);
    ASSERT_FALSE(result.fault);
    const PilotEntry& e = result.entry;
    EXPECT_EQ(QStringList({e.club, e.nacNo, e.plane, e.engine, e.radio}),
              QStringList({"Klubb", "NAK", "Fly", "Motor", "Radio"}));
    EXPECT_EQ(e.kFactor, 1.0);
    EXPECT_EQ(e.channel, 0.0);
    EXPECT_EQ(e.startNo, 2);

    boxes.club = QStringLiteral(" Bærum,MFK ");
    boxes.kFactor = QStringLiteral(".5");
    boxes.channel = QStringLiteral("35.0105");
    // A draw gives the offset (up to 1000) plus the position: the start number holds 16 bits.
    for (int startNo : {999, 1000, 1099, 32767}) {
        boxes.startNo = QStringLiteral(" %1 ").arg(startNo);
        result = CheckPilotBoxes(boxes, contest, 2);
        ASSERT_FALSE(result.fault) << startNo;
        EXPECT_EQ(result.entry.startNo, startNo);
    }
    EXPECT_EQ(result.entry.club, QStringLiteral("Bærum MFK"));
    EXPECT_EQ(result.entry.kFactor, 0.5);
    EXPECT_EQ(result.entry.channel, 35.011);

    // Score files are named after the pilot: letter case does not tell two names apart.
    const auto refused = [&](QString PilotBoxes::*box, const char* text, int index = 2) {
        PilotBoxes one;
        one.name = QStringLiteral("New");
        one.*box = QString::fromUtf8(text);
        const PilotCheck check = CheckPilotBoxes(one, contest, index);
        return check.fault ? std::optional<PilotBox>(check.fault->box) : std::nullopt;
    };
    EXPECT_EQ(refused(&PilotBoxes::name, "   "), PilotBox::Name); // "Navn", as pilot 1
    EXPECT_EQ(refused(&PilotBoxes::name, "   ", 0), std::nullopt);
    EXPECT_EQ(refused(&PilotBoxes::name, " per olsen "), PilotBox::Name);
    EXPECT_EQ(refused(&PilotBoxes::name, " per olsen ", 1), std::nullopt);
    boxes.name = QStringLiteral("per olsen");
    EXPECT_TRUE(CheckPilotBoxes(boxes, contest, 2).fault->message.contains(u"per olsen"));
    const std::tuple<QString PilotBoxes::*, PilotBox, std::vector<const char*>> bad[] = {
        {&PilotBoxes::startNo, PilotBox::StartNo, {"abc", "32768", "-1", "2.5", "1e2"}},
        {&PilotBoxes::channel, PilotBox::Channel, {"x", "-1", "1000", "35,01"}},
        {&PilotBoxes::kFactor, PilotBox::KFactor, {"0", "-1", "abc", "0.001", "100"}},
        {&PilotBoxes::name, PilotBox::Name, {"A/B", "Per?", "Ole:1"}},
        {&PilotBoxes::plane, PilotBox::Plane, {"Cub \xe2\x80\x94 \xc5\x81"}}};
    for (const auto& [box, expected, texts] : bad)
        for (const char* text : texts)
            EXPECT_EQ(refused(box, text), expected) << text;
}

TEST(ContestEditing, RecordsStayPackedChangedPilotsKeepTheirPointsNewOnesStartEmpty) {
    Contest contest;
    for (const char* name : {"A", "B", "C", "D"})
        addPilot(contest, name);
    contest.Pilots[0].RoundScore[0] = 512.5;
    contest.Pilots[4].RoundScore[3] = 77.0; // a stale record beyond the count
    contest.Pilots[4].Total = 77.0;
    PilotEntry entry;
    entry.name = QStringLiteral("E");
    StorePilot(contest, 0, entry, false);
    EXPECT_EQ(contest.Pilots[0].Name, "E");
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 512.5);
    StorePilot(contest, 4, entry, true);
    EXPECT_EQ(contest.PilotCount, 5);
    EXPECT_EQ(contest.Pilots[4].RoundScore[3], 0.0);
    EXPECT_EQ(contest.Pilots[4].Total, 0.0);
    SwapPilots(contest, 0, 1);
    RemovePilot(contest, 0);
    ASSERT_EQ(contest.PilotCount, 4);
    EXPECT_EQ(contest.Pilots[0].RoundScore[0], 512.5);
    EXPECT_EQ(contest.Pilots[1].Name, "C");
    EXPECT_EQ(contest.Pilots[3].Name, "E");

    StoreJudge(contest, 0, QString(), QStringLiteral("Nor,ge "), true);
    StoreJudge(contest, 1, QStringLiteral(" Åse"), QString(), true);
    ASSERT_EQ(contest.JudgeCount, 2);
    EXPECT_EQ(contest.Judges[0].Name, "Navn");
    EXPECT_EQ(contest.Judges[0].Nation, "Nor ge ");
    RemoveJudge(contest, 0);
    EXPECT_EQ(contest.JudgeCount, 1);
    EXPECT_EQ(contest.Judges[0].Name, QString::fromUtf8(" Åse"));
    EXPECT_EQ(contest.Judges[0].Nation, "Nasjon");

    // Teams need a name and a member and follow renamed pilots.
    EXPECT_FALSE(TeamCanBeStored(QStringLiteral("Lag"), 0));
    EXPECT_FALSE(TeamCanBeStored(QStringLiteral(" , "), 1));
    EXPECT_TRUE(TeamCanBeStored(QStringLiteral("Lag"), 1));
    StoreTeam(contest, 0, QStringLiteral("Lag,1"), {QStringLiteral("Per"), QStringLiteral("Ola")});
    StoreTeam(contest, 1, QStringLiteral("Lag 2"), {QStringLiteral("Per")});
    contest.TeamCount = 2;
    EXPECT_EQ(contest.Teams[0].Name, "Lag 1");
    RenameTeamMember(contest, QStringLiteral("Per"), QStringLiteral("Pål"));
    EXPECT_EQ(contest.Teams[0].Members[1], "Ola");
    RemoveTeam(contest, 0);
    EXPECT_EQ(contest.TeamCount, 1);
    EXPECT_EQ(contest.Teams[0].Name, "Lag 2");
    EXPECT_EQ(contest.Teams[0].Members[0], QString::fromUtf8("Pål"));
}

TEST(ContestEditing, HeaderValuesTheFileCannotHoldAreRefusedByBox) {
    const ContestHeader header{QStringLiteral("Cup"),
                               QStringLiteral("1. mai"),
                               QStringLiteral("Moss"),
                               QStringLiteral("F3A.sch"),
                               4,
                               1};
    EXPECT_FALSE(CheckContestHeader(header));
    const std::tuple<QString ContestHeader::*, const char*, HeaderBox> refused[] = {
        {&ContestHeader::name, " , ", HeaderBox::Name},
        {&ContestHeader::name, "Cup 1/2", HeaderBox::Name},
        {&ContestHeader::date, "", HeaderBox::Date},
        {&ContestHeader::location, "  ", HeaderBox::Location},
        {&ContestHeader::schedule, "", HeaderBox::Schedule}};
    for (const auto& [box, text, expected] : refused) {
        ContestHeader changed = header;
        changed.*box = QString::fromUtf8(text);
        const std::optional<HeaderFault> fault = CheckContestHeader(changed);
        ASSERT_TRUE(fault) << text;
        EXPECT_EQ(fault->box, expected) << text;
        if (expected == HeaderBox::Date) {
            EXPECT_TRUE(fault->message.contains(u"Date"));
        }
    }
    Contest contest;
    ContestHeader commas = header;
    commas.name = QStringLiteral("Cup,Moss");
    TakeContestHeader(contest, commas);
    EXPECT_EQ(contest.ContName, "Cup Moss");
    EXPECT_EQ(contest.ContSchedule, "F3A.sch");
    EXPECT_EQ(contest.Rounds, 4);
    EXPECT_EQ(contest.StartNoOffset, 1);
}

TEST_F(ContestFolder, SchedulesAreListedNamedNumberedAndTheCompetitionsOwnIsRestored) {
    for (const char* name : {"b.sch", "A.SCH", "c.cnt", "Cup.sch"})
        ASSERT_TRUE(writeBytes(path(name), "TOTALTIME, 8\r\n"));
    EXPECT_EQ(ScheduleFiles(dir.path()), QStringList({"A.SCH", "b.sch", "Cup.sch"}));
    EXPECT_EQ(CheckNewScheduleName(QStringLiteral(" Sport "), dir.path()).fileName, "Sport.sch");
    EXPECT_FALSE(CheckNewScheduleName(QStringLiteral("Sport"), dir.path()).fault);
    for (const char* bad : {"", "  ", "a/b", "a,b", "x*", "cup"})
        EXPECT_TRUE(CheckNewScheduleName(QString::fromLatin1(bad), dir.path()).fault) << bad;

    contest.ManeuverCount = 2;
    EXPECT_EQ(ManeuverNumber(QStringLiteral(" 3 "), contest), 3);
    for (const char* bad : {"0", "4", "x", "1.5", ""})
        EXPECT_FALSE(ManeuverNumber(QString::fromLatin1(bad), contest)) << bad;
    contest.ManeuverCount = MaxManeuvers;
    EXPECT_EQ(ManeuverNumber(QStringLiteral("51"), contest), 51);
    EXPECT_FALSE(ManeuverNumber(QStringLiteral("52"), contest));

    StartNewSchedule(contest, QStringLiteral("Sport"), QStringLiteral("Sport.sch"));
    EXPECT_EQ(contest.TotalTime, 10);
    EXPECT_TRUE(StoreManeuver(contest, 1, QStringLiteral(" Loop, stor "), 3));
    EXPECT_FALSE(StoreManeuver(contest, 1, QStringLiteral("Loop,  stor"), 4));
    EXPECT_EQ(contest.ManeuverCount, 1);
    EXPECT_EQ(contest.ManeuverName[0], "Loop   stor");
    EXPECT_EQ(contest.ManeuverK[0], 4);

    // Unsaved, it comes back from memory; saved, from its file.
    const ScheduleSnapshot unsaved = TakeScheduleSnapshot(contest);
    contest.ContSchedule = QStringLiteral("Other.sch");
    contest.ManeuverCount = 0;
    RestoreSchedule(contest, work, texts, unsaved);
    EXPECT_EQ(contest.ContSchedule, "Sport.sch");
    EXPECT_EQ(contest.ManeuverCount, 1);
    ASSERT_TRUE(SaveSchedule(contest, 8, work));
    const ScheduleSnapshot saved = TakeScheduleSnapshot(contest);
    StoreManeuver(contest, 1, QStringLiteral("Changed"), 1);
    contest.ContSchedule = QStringLiteral("Other.sch");
    RestoreSchedule(contest, work, texts, saved);
    EXPECT_EQ(contest.ContSchedule, "Sport.sch");
    EXPECT_EQ(contest.TotalTime, 8);
    EXPECT_EQ(contest.ManeuverName[0], "Loop   stor");
}
