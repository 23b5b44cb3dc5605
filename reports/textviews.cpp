#include "reports/textviews.h"

#include "core/fieldreader.h"
#include "core/format.h"
#include "reports/reportframe.h"
#include "scoring/startorder.h"

namespace veltra {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString heading(const Texts& texts, const char* key) {
    return texts.get(QString::fromLatin1(key));
}

QString dashes(qsizetype count) {
    return QString(count, u'-');
}

// A point value as the result lists show it: one decimal, right-aligned in six characters.
QString points(double value) {
    return FormatText(FormatNumber(value, u"###0.0"), u"@@@@@@");
}

QString contestLine(const Contest& contest, const QString& separator) {
    return contest.ContName + separator + contest.ContLocation + separator + contest.ContDate;
}

QString pilotHeading(const Texts& texts, int roundsToCount) {
    QString line =
        QStringLiteral(" #") + FormatText(heading(texts, "RESULT_PRINT_STARTNO_HEADING"), u"@@@@") +
        u' ' + FormatText(heading(texts, "RESULT_PRINT_NAME_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@@@");
    for (int r = 1; r <= roundsToCount; ++r) {
        const QString round = QString::number(r);
        line += QStringLiteral("  ") + FormatText(round, u"@@") + QString(5, u' ') +
                FormatText(round, u"@") + QStringLiteral("N   ");
    }
    line += u' ' + FormatText(heading(texts, "RESULT_PRINT_TOTAL_HEADING"), u"@@@@@@") +
            QStringLiteral("  ") +
            FormatText(heading(texts, "RESULT_PRINT_NORMALIZED_HEADING"), u"@@@@@@") + u' ';
    return line;
}

QString pilotRow(const Contest& contest, int i, int roundsToCount) {
    const Pilot& pilot = contest.Pilots[i];
    QString line = FormatText(QString::number(pilot.Placed), u"@@") + u' ' +
                   FormatText(QString::number(pilot.StartNo), u"@@@") + u' ' +
                   FormatText(pilot.Name, u"!@@@@@@@@@@@@@@@@@@@@@@");
    for (int r = 0; r < roundsToCount; ++r) {
        line += u' ' + FormatText(NumberText(pilot.RoundScore[r]), u"@@@@") + QStringLiteral("  ") +
                points(pilot.RoundPoints[r]) + u' ';
    }
    line += u' ' + points(pilot.Total) + QStringLiteral("  ") + points(contest.NormTotal[i]) + u' ';
    return line;
}

QString teamHeading(const Texts& texts) {
    QString line =
        QStringLiteral(" #  ") +
        FormatText(heading(texts, "RESULT_PRINT_TEAM_NAME_HEADING"), u"!@@@@@@@@@@@@@@@");
    for (int i = 1; i <= 3; ++i)
        line += QStringLiteral("     P") + QString::number(i) + u' ';
    return line + QStringLiteral("  ") + heading(texts, "RESULT_PRINT_TOTAL_HEADING");
}

// The list shows three member columns; a team's fourth member counts in its total only.
QString teamRow(const Team& team, int row) {
    QString line = FormatText(QString::number(row), u"@@") + QStringLiteral("  ") +
                   FormatText(team.Name, u"!@@@@@@@@@@@@@@@");
    for (int m = 0; m < 3; ++m)
        line += m < team.MemberCount ? QStringLiteral("  ") + points(team.MemberScore[m])
                                     : QString(8, u' ');
    return line + QStringLiteral("  ") + points(team.Total);
}

// Blank in a display mode the printouts show no channel in.
QString channelColumn(double channel, int frequencyDisplayMode) {
    return FormatText(ChannelText(channel, frequencyDisplayMode, u"00.000", u"    00"),
                      u"!@@@@@@") +
           QString(3, u' ');
}

QString startListHeading(const Texts& texts) {
    return QStringLiteral(" # S-# ") +
           FormatText(heading(texts, "COMPETITOR_PRINT_NAME_HEADING"),
                      u"!@@@@@@@@@@@@@@@@@@@@@@@@@") +
           u' ' + FormatText(heading(texts, "COMPETITOR_PRINT_CHANNEL_HEADING"), u"!@@@@@@@@") +
           u' ' + FormatText(heading(texts, "COMPETITOR_PRINT_CLUB_HEADING"), u"!@@@@@@@@@@@@@@@") +
           u' ' +
           FormatText(heading(texts, "COMPETITOR_PRINT_PLANE_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@") +
           u' ' +
           FormatText(heading(texts, "COMPETITOR_PRINT_ENGINE_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@") +
           u' ' +
           FormatText(heading(texts, "COMPETITOR_PRINT_RADIO_HEADING"), u"!@@@@@@@@@@@@@@@@@@@@") +
           u' ';
}

QString startListRow(const Pilot& pilot, int position, int frequencyDisplayMode) {
    const QString line = FormatText(QString::number(position), u"@@") + u' ' +
                         FormatText(QString::number(pilot.StartNo), u"@@@") + u' ' +
                         FormatText(TrimBlanks(pilot.Name), u"!@@@@@@@@@@@@@@@@@@@@@@@@@") + u' ' +
                         channelColumn(pilot.Channel, frequencyDisplayMode) +
                         FormatText(pilot.Club, u"!@@@@@@@@@@@@@@@") + u' ' +
                         FormatText(pilot.Plane, u"!@@@@@@@@@@@@@@@@@@@@") + u' ' +
                         FormatText(pilot.Engine, u"!@@@@@@@@@@@@@@@@@@@@") + u' ' +
                         FormatText(pilot.Radio, u"!@@@@@@@@@@@@@@@@@@@@") + u' ';
    return line.leftJustified(125);
}

} // namespace

QString ResultsTitle(const Texts& texts) {
    const QString key = QStringLiteral("MENU_VIEW_RESULTS");
    if (!texts.has(key))
        return QStringLiteral("Results");
    // "&&" stands for one "&" in a caption; a single "&" marks the access key.
    QString title;
    const QString caption = texts.get(key);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i == caption.size())
            break;
        title += caption.at(i);
    }
    return title;
}

QString ResultsViewText(const PreparedResults& results, const Texts& texts,
                        const QString& mainCaption, const ProgressReport& progress) {
    const Contest& contest = results.contest;
    const int roundsToCount = results.options.rounds;
    QString text = QStringLiteral("===== ") + ResultsTitle(texts) + QStringLiteral(" =====") +
                   QString(15, u' ') + mainCaption + kCrLf;
    text += kCrLf + contestLine(contest, QString(5, u' ')) + kCrLf + kCrLf;

    const QString pilotHead = pilotHeading(texts, roundsToCount);
    text += pilotHead + kCrLf + dashes(pilotHead.size()) + kCrLf;
    const std::vector<int>& pilots = results.pilotsByPlace;
    for (int row = 0; row < static_cast<int>(pilots.size()); ++row) {
        text += pilotRow(contest, pilots[row], roundsToCount) + kCrLf;
        ReportRow(progress, row, contest.PilotCount);
    }
    text += dashes(pilotHead.size()) + kCrLf;

    if (contest.TeamCount < 1)
        return text;
    const QString teamHead = teamHeading(texts);
    text += kCrLf + kCrLf + teamHead + kCrLf + dashes(teamHead.size()) + kCrLf;
    const std::vector<int>& teams = results.teamsByPlace;
    for (int row = 0; row < static_cast<int>(teams.size()); ++row)
        text += teamRow(contest.Teams[teams[row]], row + 1) + kCrLf;
    return text + dashes(teamHead.size()) + kCrLf;
}

QString StartListViewText(const Contest& contest, const Texts& texts, const QString& mainCaption,
                          int frequencyDisplayMode, int round) {
    QString text = mainCaption + kCrLf + kCrLf + contestLine(contest, QString(5, u' ')) + kCrLf;
    text += startListHeading(texts) + kCrLf + dashes(120) + kCrLf;
    const int n = contest.PilotCount;
    const int first =
        FirstPilotOfRound(round, n, contest.Rounds, RotationRule::FirstPilotWhenFewer);
    for (int i = 0; i < n; ++i)
        text += startListRow(contest.Pilots[PilotAtRow(first, i, n)], i + 1, frequencyDisplayMode) +
                kCrLf;
    return text + dashes(120) + kCrLf;
}

} // namespace veltra
