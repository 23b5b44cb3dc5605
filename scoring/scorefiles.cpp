#include "scoring/scorefiles.h"

#include "core/ansitext.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/numbers.h"
#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace veltra {
namespace {

QString contestStem(const Contest& contest, const Workspace& work) {
    return work.ContestDir + TrimBlanks(contest.ContName);
}

// A missing file holds nothing; an unreadable one is a fault.
std::optional<QByteArray> readIfPresent(const QString& path) {
    if (!QFileInfo::exists(path))
        return QByteArray();
    return ReadWholeFile(path);
}

Status damaged(const QString& path) {
    return Status::failure(QStringLiteral("FEIL ") + QDir::toNativeSeparators(path));
}

struct ResultsLine {
    QString name;
    std::array<std::optional<double>, MaxRounds> points{};
    bool damaged = false;
};

// Start number, name and points of one line of the results file.
std::optional<ResultsLine> parseResultsLine(QByteArrayView line, int roundsToCount) {
    FieldReader fields(QByteArray::fromRawData(line.data(), line.size()));
    fields.ReadFieldBytes();
    if (fields.atEnd())
        return std::nullopt;
    ResultsLine result;
    const QByteArrayView name = TrimBlanks(fields.ReadFieldBytes());
    result.name = fromAnsi(name.data(), name.size());
    // Every line ends with ", ": the blank after the last comma is no points field.
    for (int r = 0; r < roundsToCount && !fields.atEnd(); ++r) {
        const QByteArrayView field = TrimBlanks(fields.ReadFieldBytes());
        if (field.isEmpty())
            break;
        result.points[r] = ParseReal(field);
        result.damaged = result.damaged || !result.points[r];
    }
    return result;
}

void rebuildFromRoundScoreFiles(Contest& contest, const Workspace& work, int roundsToCount) {
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        for (int r = 0; r < roundsToCount; ++r) {
            RoundMarks marks;
            const std::optional<QByteArray> bytes =
                readIfPresent(RoundScoreFilePath(contest, work, pilot.Name, r + 1));
            if (bytes)
                ParseRoundScoreFile(*bytes, contest, marks);
            pilot.RoundScore[r] = RoundPoints(marks, contest, pilot.KFactor);
        }
    }
}

} // namespace

QString RoundScoreFilePath(const Contest& contest, const Workspace& work, const QString& pilotName,
                           int round) {
    return contestStem(contest, work) + u' ' + TrimBlanks(pilotName) + QStringLiteral(".R") +
           FormatNumber(round, u"00");
}

QString ResultsFilePath(const Contest& contest, const Workspace& work) {
    return contestStem(contest, work) + QStringLiteral(".RES");
}

QByteArray RoundScoreFileBytes(const RoundMarks& marks, int maneuverCount, int judgeCount) {
    const int positions = std::max(3, judgeCount);
    QByteArray out;
    out.reserve(maneuverCount * (10 + 3 * positions) + 16);
    for (int m = 0; m < maneuverCount; ++m) {
        out += "SCORE,";
        out += toAnsi(FormatNumber(m + 1, u"00"));
        out += ',';
        for (int j = 0; j < positions; ++j) {
            out += j < judgeCount && marks.hasMark(m, j) ? QByteArray::number(marks.mark(m, j))
                                                         : QByteArray("0");
            out += ',';
        }
        out += kLineEnd;
    }
    out += "BONUS,";
    out += QByteArray::number(marks.bonus());
    out += kLineEnd;
    out += kLineEnd;
    return out;
}

QByteArray ResultsFileBytes(const Contest& contest) {
    QString out;
    for (int i = 0; i < contest.PilotCount; ++i) {
        const Pilot& pilot = contest.Pilots[i];
        out += FormatNumber(pilot.StartNo, u"000") + QStringLiteral(", ") + pilot.Name +
               QStringLiteral(", ");
        for (int r = 0; r < std::min(contest.Rounds, MaxRounds); ++r)
            out += FormatNumber(pilot.RoundScore[r], u"0000.00") + QStringLiteral(", ");
        out += QLatin1String(kLineEnd);
    }
    return toAnsi(out);
}

Status SaveScores(const Contest& contest, const Workspace& work, int pilotIndex, int round,
                  const RoundMarks& marks) {
    const QString roundFile =
        RoundScoreFilePath(contest, work, contest.Pilots[pilotIndex].Name, round);
    const Status saved = SaveFileAtomically(
        roundFile, RoundScoreFileBytes(marks, contest.ManeuverCount, contest.JudgeCount));
    if (!saved)
        return saved;
    return SaveFileAtomically(ResultsFilePath(contest, work), ResultsFileBytes(contest));
}

Status ParseRoundScoreFile(const QByteArray& bytes, const Contest& contest, RoundMarks& marks) {
    bool ok = true;
    ScanRoundScoreFile(
        bytes, contest.JudgeCount,
        [&](const RoundScoreLine& line) {
            if (!ok)
                return;
            const std::optional<int> row = ParseInteger(line.row, 1, contest.ManeuverCount);
            if (!row) {
                ok = false;
                return;
            }
            for (int j = 0; j < line.markCount && ok; ++j) {
                const std::optional<int> mark = ParseInteger(line.marks[j], 0, RoundMarks::MaxMark);
                if (mark)
                    marks.setMark(*row - 1, j, *mark);
                ok = mark.has_value();
            }
        },
        [&](QByteArrayView field) {
            if (!ok)
                return;
            const std::optional<int> bonus = ParseInteger(field);
            if (bonus)
                marks.setBonus(*bonus);
            ok = bonus.has_value();
        });
    return ok ? Status::success() : Status::failure(QString());
}

Status RecallScores(const Contest& contest, const Workspace& work, int pilotIndex, int round,
                    RoundMarks& marks) {
    const QString path = RoundScoreFilePath(contest, work, contest.Pilots[pilotIndex].Name, round);
    const std::optional<QByteArray> bytes = readIfPresent(path);
    if (!bytes || !ParseRoundScoreFile(*bytes, contest, marks))
        return damaged(path);
    return Status::success();
}

bool HasStoredMarks(const Contest& contest, const Workspace& work) {
    for (int p = 0; p < contest.PilotCount; ++p) {
        for (int round = 1; round <= MaxRounds; ++round) {
            if (QFileInfo::exists(RoundScoreFilePath(contest, work, contest.Pilots[p].Name, round)))
                return true;
        }
    }
    return false;
}

Status ReadPreviousScores(Contest& contest, const Workspace& work, int roundsToCount) {
    roundsToCount = std::clamp(roundsToCount, 0, MaxRounds);
    const QString path = ResultsFilePath(contest, work);
    if (!QFileInfo::exists(path))
        return Status::success();
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    std::array<std::array<double, MaxRounds>, MaxPilots> read{};
    std::array<bool, MaxPilots> found{};
    bool fault = !bytes;
    for (qsizetype begin = 0; !fault && begin < bytes->size();) {
        qsizetype end = begin;
        while (end < bytes->size() && bytes->at(end) != '\n' && bytes->at(end) != '\r')
            ++end;
        const std::optional<ResultsLine> line =
            parseResultsLine(QByteArrayView(*bytes).sliced(begin, end - begin), roundsToCount);
        begin = end + 1;
        if (!line)
            continue;
        fault = line->damaged;
        for (int i = 0; i < contest.PilotCount && !fault; ++i) {
            if (TrimBlanks(contest.Pilots[i].Name) != line->name)
                continue;
            found[i] = true;
            for (int r = 0; r < roundsToCount; ++r)
                read[i][r] = line->points[r].value_or(0.0);
        }
    }
    if (fault) {
        rebuildFromRoundScoreFiles(contest, work, roundsToCount);
        return Status::failure(
            QStringLiteral("The results file\n%1\ncould not be read. Every pilot's points were "
                           "computed again from the stored marks.")
                .arg(QDir::toNativeSeparators(path)));
    }
    for (int i = 0; i < contest.PilotCount; ++i) {
        if (found[i])
            std::copy_n(read[i].begin(), roundsToCount, contest.Pilots[i].RoundScore.begin());
    }
    return Status::success();
}

} // namespace veltra
