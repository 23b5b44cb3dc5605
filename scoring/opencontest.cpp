#include "scoring/opencontest.h"

#include "core/contestfiles.h"
#include "core/format.h"
#include "scoring/scorefiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace veltra {
namespace {

// Points and results of another competition must not stay with pilots of this one.
void clearPoints(Contest& contest) {
    for (Pilot& pilot : contest.Pilots) {
        pilot.RoundScore.fill(0.0);
        pilot.RoundPoints.fill(0.0);
        pilot.Total = 0.0;
        pilot.LowestPoints = 1000.0;
        pilot.DroppedRound = -1;
        pilot.Placed = 0;
    }
    for (Team& team : contest.Teams) {
        team.MemberScore.fill(0.0);
        team.Total = 0.0;
        team.Placed = 0;
    }
    contest.NormTotal.fill(0.0);
    contest.PilotListed.fill(0);
    contest.TeamListed.fill(0);
}

// A save writes "<file>.XXXXXX" beside its target (six letters or digits) and renames it over
// the target when it is complete; one that was cut off leaves that file behind.
bool isTemporaryOf(const QString& name, const QSet<QString>& targets) {
    constexpr int suffix = 7;
    if (name.size() <= suffix || name.at(name.size() - suffix) != u'.')
        return false;
    for (qsizetype i = name.size() - suffix + 1; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return targets.contains(name.left(name.size() - suffix));
}

void removeStaleTemporaryFiles(const Contest& contest, const Workspace& work) {
    QSet<QString> targets{work.ContestFile, QFileInfo(ResultsFilePath(contest, work)).fileName()};
    for (int i = 0; i < contest.PilotCount; ++i) {
        for (int round = 1; round <= MaxRounds; ++round)
            targets.insert(
                QFileInfo(RoundScoreFilePath(contest, work, contest.Pilots[i].Name, round))
                    .fileName());
    }
    QDir folder(work.ContestDir);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (isTemporaryOf(name, targets))
            folder.remove(name);
    }
}

// A round score file that is not older than the results file may hold marks whose points never
// reached it: a store cut off between the two files. Its points count.
QString takeNewerRounds(Contest& contest, const Workspace& work, const Texts& texts) {
    const QFileInfo results(ResultsFilePath(contest, work));
    if (!results.exists())
        return QString();
    const QDateTime stored = results.lastModified();
    QStringList taken;
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        for (int r = 0; r < std::min(contest.Rounds, MaxRounds); ++r) {
            const QFileInfo round(RoundScoreFilePath(contest, work, pilot.Name, r + 1));
            if (!round.exists() || round.lastModified() < stored)
                continue;
            const std::optional<double> points = RoundPointsFromFile(contest, work, i, r + 1);
            if (!points ||
                FormatNumber(*points, u"0000.00") == FormatNumber(pilot.RoundScore[r], u"0000.00"))
                continue;
            pilot.RoundScore[r] = *points;
            taken << round.fileName();
        }
    }
    if (taken.isEmpty())
        return QString();
    return texts.get(QStringLiteral("RESULTS_OLDER_MESSAGE"))
        .arg(QDir::toNativeSeparators(results.filePath()), taken.join(QStringLiteral(", ")));
}

} // namespace

OpenedContest OpenContest(Contest& contest, Workspace& work, const Texts& texts) {
    OpenedContest opened;
    const Status contestRead = ReadContest(contest, work, texts);
    if (!contestRead) {
        ClearContest(contest, work);
        opened.messages << contestRead.message;
        return opened;
    }
    opened.open = true;
    removeStaleTemporaryFiles(contest, work);
    if (const Status read = ReadSchedule(contest, work, texts); !read)
        opened.messages << read.message;
    clearPoints(contest);
    if (const Status read =
            ReadPreviousScores(contest, work, contest.Rounds, PilotsWithoutLine::FromMarks);
        !read)
        opened.messages << read.message;
    if (const QString newer = takeNewerRounds(contest, work, texts); !newer.isEmpty())
        opened.messages << newer;
    contest.ResultMethod = 0;
    return opened;
}

} // namespace veltra
