#include "reports/exports.h"

#include "core/ansitext.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/savefile.h"
#include "reports/explanation.h"
#include "reports/reportframe.h"

namespace veltra {
namespace {

const QString kTab = QStringLiteral("\t");
const QString kCrLf = QStringLiteral("\r\n");

QString heading(const Texts& texts, const char* key) {
    return texts.get(QString::fromLatin1(key));
}

QString points(double value) {
    return FormatText(FormatNumber(value, u"###0.0"), u"@@@@@@");
}

// The lines that open both exports: the program's caption, the contest, and an empty line
// after each.
QString opening(const Contest& contest, const QString& captionLine) {
    return captionLine + kCrLf + kCrLf + contest.ContName + kTab + contest.ContLocation + kTab +
           contest.ContDate + kCrLf + kCrLf;
}

QString pilotHeading(const Texts& texts, int roundsToCount) {
    QString line =
        QStringLiteral(" #") + kTab +
        FormatText(heading(texts, "RESULT_PRINT_STARTNO_HEADING"), u"@@@@") + kTab +
        FormatText(heading(texts, "RESULT_PRINT_NAME_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@@@");
    for (int r = 1; r <= roundsToCount; ++r) {
        const QString round = QString::number(r);
        line += kTab + FormatText(round, u"@@") + kTab + FormatText(round, u"@") + u'N';
    }
    return line + kTab + FormatText(heading(texts, "RESULT_PRINT_TOTAL_HEADING"), u"@@@@@@") +
           kTab + FormatText(heading(texts, "RESULT_PRINT_NORMALIZED_HEADING"), u"@@@@@@");
}

QString pilotRow(const Contest& contest, int i, int roundsToCount) {
    const Pilot& pilot = contest.Pilots[i];
    QString line = FormatText(QString::number(pilot.Placed), u"@@") + kTab +
                   FormatText(QString::number(pilot.StartNo), u"@@@") + kTab +
                   FormatText(pilot.Name, u"!@@@@@@@@@@@@@@@@@@@@@@");
    for (int r = 0; r < roundsToCount; ++r) {
        line += kTab + FormatText(NumberText(pilot.RoundScore[r]), u"@@@@") + kTab +
                points(pilot.RoundPoints[r]);
    }
    return line + kTab + points(pilot.Total) + kTab + points(contest.NormTotal[i]);
}

QString teamHeading(const Texts& texts) {
    QString line =
        QStringLiteral(" #") + kTab +
        FormatText(heading(texts, "RESULT_PRINT_TEAM_NAME_HEADING"), u"!@@@@@@@@@@@@@@@");
    for (int i = 1; i <= 3; ++i)
        line += kTab + QStringLiteral("   P") + QString::number(i) + u' ';
    return line + kTab + heading(texts, "RESULT_PRINT_TOTAL_HEADING");
}

QString teamRow(const Team& team, int row) {
    QString line =
        FormatText(QString::number(row), u"@@") + kTab + FormatText(team.Name, u"!@@@@@@@@@@@@@@@");
    for (int m = 0; m < 3; ++m)
        line += kTab + (m < team.MemberCount ? points(team.MemberScore[m]) : QString(6, u' '));
    return line + kTab + points(team.Total);
}

QString pilotListHeading(const Texts& texts) {
    return QStringLiteral(" #") + kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_STARTNO_HEADING"), u"!@@@") + kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_NAME_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@@@") +
           kTab + FormatText(heading(texts, "COMPETITOR_PRINT_CLUB_HEADING"), u"!@@@@@@@@@@@@@@") +
           kTab + FormatText(heading(texts, "COMPETITOR_PRINT_KFACT_HEADING"), u"!@@@@") + kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_CHANNEL_HEADING"), u"!@@@@@@@@") + kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_NAC_HEADING"), u"!@@@@@@@@") + kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_PLANE_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@") +
           kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_ENGINE_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@") +
           kTab +
           FormatText(heading(texts, "COMPETITOR_PRINT_RADIO_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@");
}

QString pilotListRow(const Pilot& pilot, int number, int frequencyDisplayMode) {
    return FormatText(QString::number(number), u"@@") + kTab +
           FormatText(QString::number(pilot.StartNo), u"@@@") + kTab +
           FormatText(pilot.Name, u"!@@@@@@@@@@@@@@@@@@@@@@") + kTab +
           FormatText(pilot.Club, u"!@@@@@@@@@@@@@@") + kTab +
           FormatText(FormatNumber(pilot.KFactor, u"0.00"), u"!@@@@") + kTab +
           FormatText(ChannelText(pilot.Channel, frequencyDisplayMode, u"00.000", u"00"),
                      u"@@@@@@@@") +
           kTab + FormatText(pilot.NACNo, u"!@@@@@@@@") + kTab +
           FormatText(pilot.Plane, u"!@@@@@@@@@@@@@@@@@@@@") + kTab +
           FormatText(pilot.Engine, u"!@@@@@@@@@@@@@@@@@@@@") + kTab +
           FormatText(pilot.Radio, u"!@@@@@@@@@@@@@@@@@@@@");
}

QString exportPath(const QString& contestName, const Workspace& work, const QString& suffix) {
    return work.ContestDir + TrimBlanks(contestName) + suffix;
}

} // namespace

QString ResultsExportPath(const Contest& contest, const Workspace& work) {
    return exportPath(contest.ContName, work, QStringLiteral(" results.txt"));
}

QString PilotListExportPath(const Contest& contest, const Workspace& work) {
    return exportPath(contest.ContName, work, QStringLiteral(" Pilotlist.txt"));
}

QString ExplanationExportPath(const ResultExplanation& explanation, const Workspace& work) {
    return exportPath(explanation.contestName, work,
                      QStringLiteral(" Explanation ") + TrimBlanks(explanation.pilotName) +
                          QStringLiteral(" R") + FormatNumber(explanation.round.round, u"00") +
                          QStringLiteral(".txt"));
}

QString ResultsExportText(const PreparedResults& results, const Texts& texts,
                          const QString& mainCaption, const ProgressReport& progress) {
    const Contest& contest = results.contest;
    const int roundsToCount = results.options.rounds;
    QString text = opening(contest, kTab + QStringLiteral("  ") + mainCaption);
    text += pilotHeading(texts, roundsToCount) + kCrLf;
    const std::vector<int>& pilots = results.pilotsByPlace;
    for (int row = 0; row < static_cast<int>(pilots.size()); ++row) {
        text += pilotRow(contest, pilots[row], roundsToCount) + kCrLf;
        ReportRow(progress, row, contest.PilotCount);
    }
    if (contest.TeamCount < 1)
        return text;
    text += kCrLf + kCrLf + teamHeading(texts) + kCrLf;
    const std::vector<int>& teams = results.teamsByPlace;
    for (int row = 0; row < static_cast<int>(teams.size()); ++row)
        text += teamRow(contest.Teams[teams[row]], row + 1) + kCrLf;
    return text;
}

QString PilotListExportText(const Contest& contest, const Texts& texts, const QString& mainCaption,
                            int frequencyDisplayMode, const ProgressReport& progress) {
    QString text = opening(contest, kTab + mainCaption) + pilotListHeading(texts) + kCrLf;
    for (int i = 0; i < contest.PilotCount; ++i) {
        text += pilotListRow(contest.Pilots[i], i + 1, frequencyDisplayMode) + kCrLf;
        ReportRow(progress, i, contest.PilotCount);
    }
    return text;
}

Status ExportResults(const PreparedResults& results, const Workspace& work, const Texts& texts,
                     const QString& mainCaption, const ProgressReport& progress) {
    return SaveFileAtomically(ResultsExportPath(results.contest, work),
                              toAnsi(ResultsExportText(results, texts, mainCaption, progress)));
}

Status ExportExplanation(const ResultExplanation& explanation, const Workspace& work,
                         const Texts& texts, const QString& mainCaption) {
    return SaveFileAtomically(ExplanationExportPath(explanation, work),
                              toAnsi(ExplanationText(explanation, texts, mainCaption)));
}

Status ExportPilotList(const Contest& contest, const Workspace& work, const Texts& texts,
                       const QString& mainCaption, int frequencyDisplayMode,
                       const ProgressReport& progress) {
    return SaveFileAtomically(
        PilotListExportPath(contest, work),
        toAnsi(PilotListExportText(contest, texts, mainCaption, frequencyDisplayMode, progress)));
}

} // namespace veltra
