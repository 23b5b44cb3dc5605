#include "scoring/scorefiles.h"

#include "core/ansitext.h"
#include "core/contestedit.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/numbers.h"
#include "core/savefile.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
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

// No round gives this many points, whatever its marks, bonus and K-factors.
constexpr double kMaxRoundPoints = 1e7;

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
        if (result.points[r] && std::abs(*result.points[r]) >= kMaxRoundPoints)
            result.points[r].reset();
        result.damaged = result.damaged || !result.points[r];
    }
    return result;
}

// The results file's lines of the competition's pilots, each pilot's last one. A line the file
// ends in without a line end may have been cut short and counts as damaged.
struct ResultsLines {
    std::array<std::optional<ResultsLine>, MaxPilots> ofPilot;
    bool readable = true;
};

ResultsLines readResultsLines(const Contest& contest, const QString& path, int roundsToCount) {
    ResultsLines lines;
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (bytes && bytes->startsWith("\xEF\xBB\xBF"))
        bytes->remove(0, 3);
    lines.readable = bytes && !CheckTextFile(*bytes, Texts()).fault;
    if (!lines.readable)
        return lines;
    for (qsizetype begin = 0; begin < bytes->size();) {
        qsizetype end = begin;
        while (end < bytes->size() && bytes->at(end) != '\n' && bytes->at(end) != '\r')
            ++end;
        std::optional<ResultsLine> line =
            parseResultsLine(QByteArrayView(*bytes).sliced(begin, end - begin), roundsToCount);
        if (line && end == bytes->size())
            line->damaged = true;
        begin = end + 1;
        for (int i = 0; line && i < contest.PilotCount; ++i) {
            if (TrimBlanks(contest.Pilots[i].Name) == line->name)
                lines.ofPilot[i] = line;
        }
    }
    return lines;
}

} // namespace

std::optional<double> RoundPointsFromFile(const Contest& contest, const Workspace& work,
                                          int pilotIndex, int round) {
    const Pilot& pilot = contest.Pilots[pilotIndex];
    const QString path = RoundScoreFilePath(contest, work, pilot.Name, round);
    const std::optional<QByteArray> bytes =
        QFileInfo::exists(path) ? ReadWholeFile(path) : std::nullopt;
    RoundMarks marks;
    if (!bytes || bytes->isEmpty() || !ParseRoundScoreFile(*bytes, contest, marks))
        return std::nullopt;
    return RoundPoints(marks, contest, pilot.KFactor);
}

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
    // The names make the file names: one that could lead out of the folder writes nothing.
    if (const auto fault =
            FileStemFault(contest.ContName, QStringLiteral("The competition's name")))
        return Status::failure(*fault);
    if (const auto fault =
            FileStemFault(contest.Pilots[pilotIndex].Name, QStringLiteral("The pilot's name")))
        return Status::failure(*fault);
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

StoredRounds ReadStoredRounds(const Contest& contest, const Workspace& work) {
    StoredRounds stored;
    const int rounds = std::clamp(contest.Rounds, 0, MaxRounds);
    for (int p = 0; p < contest.PilotCount; ++p) {
        for (int r = 0; r < rounds; ++r) {
            const QFileInfo file(RoundScoreFilePath(contest, work, contest.Pilots[p].Name, r + 1));
            if (!file.isFile() || file.size() == 0)
                continue;
            stored.ofPilot[p][r] = true;
            ++stored.pilots[r];
            stored.flown = std::max(stored.flown, r + 1);
        }
    }
    return stored;
}

Status ReadPreviousScores(Contest& contest, const Workspace& work, int roundsToCount,
                          PilotsWithoutLine withoutLine) {
    roundsToCount = std::clamp(roundsToCount, 0, MaxRounds);
    const QString path = ResultsFilePath(contest, work);
    const bool present = QFileInfo::exists(path);
    const ResultsLines lines =
        present ? readResultsLines(contest, path, roundsToCount) : ResultsLines();
    QStringList rebuilt;
    for (int i = 0; i < contest.PilotCount; ++i) {
        Pilot& pilot = contest.Pilots[i];
        const std::optional<ResultsLine>& line = lines.ofPilot[i];
        if (!line && lines.readable && withoutLine == PilotsWithoutLine::KeepPoints)
            continue;
        const bool fromMarks = !lines.readable || !line || line->damaged;
        bool marksFound = false;
        for (int r = 0; r < roundsToCount; ++r) {
            if (!fromMarks && line->points[r]) {
                pilot.RoundScore[r] = *line->points[r];
                continue;
            }
            // Rounds the line does not reach (added after the last store) have only the marks.
            const std::optional<double> points = RoundPointsFromFile(contest, work, i, r + 1);
            pilot.RoundScore[r] = points.value_or(0.0);
            marksFound = marksFound || points.has_value();
        }
        if (fromMarks && (marksFound || (line && line->damaged) || !lines.readable))
            rebuilt << TrimBlanks(pilot.Name);
    }
    if (!present && rebuilt.isEmpty())
        return Status::success();
    if (!lines.readable)
        return Status::failure(
            QStringLiteral("The results file\n%1\ncould not be read. Every pilot's points were "
                           "computed again from the stored marks.")
                .arg(QDir::toNativeSeparators(path)));
    if (!rebuilt.isEmpty())
        return Status::failure(QStringLiteral("The results file\n%1\nheld no sound points of %2. "
                                              "Their points were computed again from the stored "
                                              "marks.")
                                   .arg(QDir::toNativeSeparators(path), rebuilt.join(", ")));
    return Status::success();
}

} // namespace veltra
