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
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <optional>

namespace veltra {
namespace {

QString contestStem(const Contest& contest, const Workspace& work) {
    return work.ContestDir + TrimBlanks(contest.ContName);
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

// One line of a round score file: its number from 1, its fields between commas with blanks
// trimmed (the comma that ends a SCORE line leaves no field), and whether a line break ends it.
struct FileLine {
    int number = 0;
    QByteArrayView text;
    QVarLengthArray<QByteArrayView, MaxJudges + 3> fields;
    bool ended = false;
};

// Calls onLine for every line; CR LF, CR and LF each end one.
template <typename OnLine> void forEachLine(QByteArrayView bytes, OnLine&& onLine) {
    FileLine line;
    for (qsizetype begin = 0; begin < bytes.size();) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        ++line.number;
        line.text = bytes.sliced(begin, end - begin);
        line.ended = end < bytes.size();
        line.fields.clear();
        for (qsizetype at = 0; at <= line.text.size();) {
            qsizetype comma = line.text.indexOf(',', at);
            if (comma < 0)
                comma = line.text.size();
            line.fields.append(TrimBlanks(line.text.sliced(at, comma - at)));
            at = comma + 1;
        }
        if (line.fields.last().isEmpty())
            line.fields.removeLast();
        onLine(line);
        begin = bytes.sliced(end).startsWith("\r\n") ? end + 2 : end + 1;
    }
}

// A whole number as the program writes it: digits only, with a minus sign when negative.
std::optional<int> writtenNumber(QByteArrayView field, int minimum, int maximum) {
    const QByteArrayView digits = field.startsWith('-') ? field.sliced(1) : field;
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = field.startsWith('-') ? -value : value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// A byte order mark or a zero byte (UTF-16) shows text the program never writes.
bool isEightBitText(QByteArrayView bytes) {
    for (const char* byteOrderMark : {"\xef\xbb\xbf", "\xff\xfe", "\xfe\xff"}) {
        if (bytes.startsWith(byteOrderMark))
            return false;
    }
    return !bytes.contains('\0');
}

// Checks a round score file line by line against the competition and takes every mark that
// can be read. Of several faults the one that matters most is told: marks the grid cannot
// show, then the first damaged line, then a file cut short, then missing maneuvers.
class RoundFileParser {
  public:
    RoundFileParser(const Contest& contest, RoundMarks& marks, const Texts& texts)
        : contest_(contest), marks_(marks), texts_(texts),
          judges_(std::clamp(contest.JudgeCount, 0, MaxJudges)), positions_(std::max(3, judges_)) {}

    RoundFileRead parse(QByteArrayView bytes) {
        RoundFileRead read;
        read.found = true;
        if (!isEightBitText(bytes)) {
            read.intact = false;
            read.message = text("ROUND_FILE_NOT_TEXT_MESSAGE");
            return read;
        }
        forEachLine(bytes, [this](const FileLine& line) { take(line); });
        const int maneuvers = contest_.ManeuverCount;
        if (highestRow_ > maneuvers)
            overfull_ = maneuverCount(highestRow_);
        if (!overfull_.isEmpty())
            read.message = overfull_;
        else if (!lineFault_.isEmpty())
            read.message = lineFault_;
        else if (!bonusComplete_)
            read.message = text("ROUND_FILE_CUT_SHORT_MESSAGE");
        else if (!trailingFault_.isEmpty())
            read.message = trailingFault_;
        else if (rowsSeen_ != maneuvers)
            read.message = maneuverCount(rowsSeen_);
        read.intact = read.message.isEmpty();
        read.fitsGrid = overfull_.isEmpty();
        return read;
    }

  private:
    QString text(const char* key) const { return texts_.get(QLatin1String(key)); }

    QString maneuverCount(int rows) const {
        return text("ROUND_FILE_MANEUVERS_MESSAGE")
            .arg(QString::number(rows), QString::number(contest_.ManeuverCount));
    }

    QString judgeCount(const FileLine& line, int given) const {
        return text("ROUND_FILE_JUDGES_MESSAGE")
            .arg(QString::number(line.number), QString::number(given), QString::number(judges_));
    }

    // The line as read, its control bytes shown as "?", long ones cut.
    QString unreadable(const FileLine& line) const {
        QString shown = fromAnsi(line.text.data(), std::min<qsizetype>(line.text.size(), 40));
        for (QChar& c : shown)
            c = c.unicode() < 0x20 || c.unicode() == 0x7f ? u'?' : c;
        if (line.text.size() > 40)
            shown += QStringLiteral("...");
        return text("ROUND_FILE_LINE_MESSAGE").arg(QString::number(line.number), shown);
    }

    void lineFault(const QString& message) {
        QString& fault = lineEnded_ ? lineFault_ : trailingFault_;
        if (fault.isEmpty())
            fault = message;
    }

    void take(const FileLine& line) {
        if (line.fields.isEmpty())
            return;
        lineEnded_ = line.ended;
        // Only empty lines follow the bonus.
        if (bonusSeen_)
            lineFault(unreadable(line));
        else if (line.fields[0] == "SCORE")
            scoreLine(line);
        else if (line.fields[0] == "BONUS")
            bonusLine(line);
        else
            lineFault(unreadable(line));
    }

    void scoreLine(const FileLine& line) {
        const std::optional<int> row =
            line.fields.size() >= 2 ? writtenNumber(line.fields[1], 1, 9999) : std::nullopt;
        if (!row || (*row <= contest_.ManeuverCount && seen_[*row - 1])) {
            lineFault(unreadable(line));
            return;
        }
        highestRow_ = std::max(highestRow_, *row);
        if (*row > contest_.ManeuverCount)
            return;
        seen_[*row - 1] = true;
        ++rowsSeen_;
        const int given = static_cast<int>(line.fields.size()) - 2;
        int beyondJudges = 0; // the last position holding a mark of a judge the competition lacks
        for (int j = 0; j < given; ++j) {
            const QByteArrayView field = line.fields[j + 2];
            const std::optional<int> mark = writtenNumber(field, 0, RoundMarks::MaxMark);
            if (!mark)
                lineFault(text("ROUND_FILE_MARK_MESSAGE")
                              .arg(QString::number(line.number),
                                   fromAnsi(field.data(), std::min<qsizetype>(field.size(), 20))));
            if (j < judges_ && mark)
                marks_.setMark(*row - 1, j, *mark);
            else if (j >= judges_ && (j >= positions_ || (mark && *mark != 0)))
                beyondJudges = j + 1;
        }
        if (beyondJudges > 0) {
            if (overfull_.isEmpty())
                overfull_ = judgeCount(line, beyondJudges);
        } else if (given < judges_) {
            lineFault(judgeCount(line, given));
        } else if (given < positions_) {
            lineFault(unreadable(line));
        }
    }

    void bonusLine(const FileLine& line) {
        bonusSeen_ = true;
        // A cut in the value would leave another number: only a whole line counts.
        bonusComplete_ = line.ended;
        const std::optional<int> bonus =
            line.fields.size() == 2
                ? writtenNumber(line.fields[1], RoundMarks::MinBonus, RoundMarks::MaxBonus)
                : std::nullopt;
        if (bonus)
            marks_.setBonus(*bonus);
        else if (line.fields.size() == 2)
            lineFault(text("ROUND_FILE_BONUS_MESSAGE")
                          .arg(QString::number(line.number),
                               fromAnsi(line.fields[1].data(),
                                        std::min<qsizetype>(line.fields[1].size(), 20))));
        else
            lineFault(unreadable(line));
    }

    const Contest& contest_;
    RoundMarks& marks_;
    const Texts& texts_;
    const int judges_;
    const int positions_; // mark fields of every SCORE line: one per judge, at least three
    std::array<bool, MaxManeuvers> seen_{};
    int rowsSeen_ = 0;
    int highestRow_ = 0;
    bool bonusSeen_ = false;
    bool bonusComplete_ = false;
    QString overfull_;
    QString lineFault_;
    // The program ends every line: a fault in a last line without a line end is a cut in the
    // file when the bonus is missing too, and is told as such.
    bool lineEnded_ = true;
    QString trailingFault_;
};

} // namespace

std::optional<double> RoundPointsFromFile(const Contest& contest, const Workspace& work,
                                          int pilotIndex, int round) {
    RoundMarks marks;
    if (const RoundFileRead read = RecallScores(contest, work, pilotIndex, round, marks);
        !read.found || !read)
        return std::nullopt;
    return RoundPoints(marks, contest, contest.Pilots[pilotIndex].KFactor);
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
    return SaveFilesTogether(
        {{roundFile, RoundScoreFileBytes(marks, contest.ManeuverCount, contest.JudgeCount)},
         {ResultsFilePath(contest, work), ResultsFileBytes(contest)}});
}

RoundFileRead ParseRoundScoreFile(const QByteArray& bytes, const Contest& contest,
                                  RoundMarks& marks, const Texts& texts) {
    return RoundFileParser(contest, marks, texts).parse(bytes);
}

RoundFileRead RecallScores(const Contest& contest, const Workspace& work, int pilotIndex, int round,
                           RoundMarks& marks, const Texts& texts) {
    const QString path = RoundScoreFilePath(contest, work, contest.Pilots[pilotIndex].Name, round);
    if (!QFileInfo::exists(path))
        return {};
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    RoundFileRead read;
    if (bytes) {
        read = ParseRoundScoreFile(*bytes, contest, marks, texts);
    } else {
        read = {true, false, false, texts.get(QStringLiteral("ROUND_FILE_UNREADABLE_MESSAGE"))};
    }
    if (!read)
        read.message =
            QStringLiteral("FEIL ") + QDir::toNativeSeparators(path) + u'\n' + read.message;
    return read;
}

bool HasStoredRound(const Contest& contest, const Workspace& work, int pilotIndex, int round) {
    const QFileInfo file(RoundScoreFilePath(contest, work, contest.Pilots[pilotIndex].Name, round));
    return file.isFile() && file.size() > 0;
}

bool HasStoredMarks(const Contest& contest, const Workspace& work) {
    for (int p = 0; p < contest.PilotCount; ++p) {
        for (int round = 1; round <= MaxRounds; ++round) {
            if (HasStoredRound(contest, work, p, round))
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
            if (!HasStoredRound(contest, work, p, r + 1))
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
