#include "web/livesnapshot.h"

#include "core/savefile.h"
#include "scoring/scorefiles.h"
#include "scoring/startorder.h"

#include <QDataStream>
#include <QIODevice>

namespace veltra {
namespace {

// The pilot after `now` in the start list: the next row of its round, or the first pilot of
// the next round after the round's last row.
PilotInRound nextAfter(const Contest& contest, PilotInRound now) {
    const int n = contest.PilotCount;
    if (!now.valid() || now.pilot >= n || now.round < 1 || now.round > contest.Rounds)
        return {};
    const int first = FirstOfRound(contest, now.round);
    const int row = (now.pilot - first + n) % n;
    if (row + 1 < n)
        return {PilotAtRow(first, row + 1, n), now.round};
    if (now.round < contest.Rounds)
        return {FirstOfRound(contest, now.round + 1), now.round + 1};
    return {};
}

} // namespace

int FirstOfRound(const Contest& contest, int round) {
    return FirstPilotOfRound(round, contest.PilotCount, contest.Rounds,
                             RotationRule::FirstPilotWhenFewer);
}

LiveSnapshot TakeLiveSnapshot(const Contest& contest, const Workspace& work, const Texts& texts,
                              bool dropLowest, PilotInRound now) {
    LiveSnapshot snapshot{
        PrepareStandings(contest, work, dropLowest), work, texts, contest.PilotCount > 0, {}, {}};
    if (now.valid() && now.pilot < contest.PilotCount && now.round >= 1 &&
        now.round <= contest.Rounds) {
        snapshot.now = now;
        snapshot.next = nextAfter(contest, now);
    }
    return snapshot;
}

// The points come from the results file, which every store rewrites; the points in the store
// change with every key typed in the score entry window and count only where there is no file.
QByteArray LiveInputs(const Contest& c, const Workspace& work, const Settings& settings,
                      PilotInRound now) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << work.ContestDir << work.ContestFile << settings.LanguageFile
        << settings.LiveResultsDropLowest << now.pilot << now.round << c.ContName << c.ContDate
        << c.ContLocation << c.Rounds << c.ResultMethod << c.PilotCount << c.JudgeCount
        << c.TeamCount << c.ManeuverCount;
    for (int i = 0; i < c.PilotCount; ++i) {
        const Pilot& p = c.Pilots[i];
        out << p.StartNo << p.Name << p.Club << p.KFactor;
        if (work.ContestFile.isEmpty()) {
            for (double points : p.RoundScore)
                out << points;
        }
    }
    for (int t = 0; t < c.TeamCount; ++t) {
        out << c.Teams[t].Name << c.Teams[t].MemberCount;
        for (const QString& member : c.Teams[t].Members)
            out << member;
    }
    for (int m = 0; m < c.ManeuverCount; ++m)
        out << c.ManeuverName[m] << c.ManeuverK[m];
    if (!work.ContestFile.isEmpty())
        out << ReadWholeFile(ResultsFilePath(c, work)).value_or(QByteArray());
    return bytes;
}

} // namespace veltra
