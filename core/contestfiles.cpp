#include "core/contestfiles.h"

#include "core/ansitext.h"
#include "core/contestedit.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/numbers.h"
#include "core/savefile.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <optional>

namespace veltra {
namespace {

// Reads the value fields of one record from the record's own line; the first fault found names
// its line. Every file the program writes holds one record a line, so a record whose values run
// on into the next line is damaged.
class RecordReader {
  public:
    RecordReader(FieldReader& reader, const Texts& texts) : reader_(reader), texts_(texts) {}

    // The next key; the fields after it on its line are its values.
    QString key() {
        const QString key = TrimBlanks(reader_.ReadField());
        line_ = reader_.lastFieldLine();
        lineDone_ = reader_.endedLine();
        return key;
    }

    bool atEnd() const { return reader_.atEnd(); }

    // A header value: empty when the line ends after its key.
    QString optionalText() { return lineDone_ ? QString() : next(); }

    QString text() {
        if (lineDone_)
            fail(texts_.get(QStringLiteral("FILE_VALUE_MISSING_REASON")).arg(line_));
        return failed() ? QString() : next();
    }

    // A name that also names score files: it must form a file name in the competition folder.
    QString name(const QString& value) {
        if (!failed() && FileStemFault(value, QString()))
            fail(texts_.get(QStringLiteral("FILE_NAME_NOT_VALID_REASON"))
                     .arg(QString::number(line_), value) +
                 u'\n' + reader_.lastFieldLineText());
        return value;
    }

    int whole(int minimum = -32768, int maximum = 32767) {
        const QString field = text();
        const std::optional<int> value = ParseWholeNumber(field, minimum, maximum);
        if (!value)
            invalid(field);
        return value.value_or(minimum);
    }

    double real(bool (*fits)(double)) {
        const QString field = text();
        const std::optional<double> value = ParseReal(field);
        if (!value || !fits(*value))
            invalid(field);
        return value.value_or(0.0);
    }

    void fail(const QString& reason) {
        if (!failed())
            fault_ = reason;
    }
    bool failed() const { return !fault_.isEmpty(); }
    const QString& fault() const { return fault_; }

  private:
    QString next() {
        const QString field = reader_.ReadField();
        lineDone_ = reader_.endedLine();
        return field;
    }

    void invalid(const QString& field) {
        if (!failed())
            fail(ValueFaultReason(reader_.lastFieldLine(), field, reader_.lastFieldLineText(),
                                  texts_));
    }

    FieldReader& reader_;
    const Texts& texts_;
    int line_ = 0;
    bool lineDone_ = true;
    QString fault_;
};

bool channelFits(double channel) {
    return channel >= 0.0 && channel < 1000.0;
}

// Which records of a kind the file holds, so that one missing below the count is found.
template <std::size_t N> struct Seen {
    std::array<bool, N> seen{};

    void mark(int number) { seen[number - 1] = true; }

    // A reason when a record below `count` has no line of its own.
    std::optional<QString> gap(int count, const char* key, const Texts& texts) const {
        for (int i = 0; i < count; ++i) {
            if (!seen[i])
                return texts.get(QStringLiteral("FILE_RECORD_MISSING_REASON"))
                    .arg(QString::fromLatin1(key), QString::number(i + 1), QString::number(count));
        }
        return std::nullopt;
    }
};

Status missing(const QString& path, const Texts& texts) {
    return Status::failure(texts.get(QStringLiteral("UNABLE_TO_LOCATE_FILE_MESSAGE")) + u'\n' +
                           QDir::toNativeSeparators(path));
}

// The bytes of a text file that is to be read whole, or the reason why it cannot be.
std::optional<QByteArray> checkedBytes(const QByteArray& bytes, const Texts& texts,
                                       QString& reason) {
    TextFile file = CheckTextFile(bytes, texts);
    if (file.fault)
        reason = *file.fault;
    else if (file.cutLine > 0)
        reason = file.cutReason;
    else
        return std::move(file.bytes);
    return std::nullopt;
}

QString readContestRecords(const QByteArray& bytes, Contest& c, const Texts& texts) {
    FieldReader reader(bytes);
    RecordReader fields(reader, texts);
    Seen<MaxJudges> judges;
    Seen<MaxPilots> pilots;
    Seen<MaxTeams> teams;
    bool named = false;
    while (!fields.failed()) {
        const QString key = fields.key();
        if (key.isEmpty() && fields.atEnd())
            break;
        if (key == QLatin1String("CONT_NAME")) {
            c.ContName = fields.name(fields.optionalText());
            named = true;
        } else if (key == QLatin1String("CONT_DATE")) {
            c.ContDate = fields.optionalText();
        } else if (key == QLatin1String("CONT_LOCATION")) {
            c.ContLocation = fields.optionalText();
        } else if (key == QLatin1String("CONT_SCHEDULE")) {
            // The schedule file lies in the program folder, named without a folder.
            c.ContSchedule = fields.optionalText();
            if (!c.ContSchedule.isEmpty())
                fields.name(c.ContSchedule);
        } else if (key == QLatin1String("ROUNDS")) {
            c.Rounds = fields.whole(0, MaxRounds);
        } else if (key == QLatin1String("START_NO_OFFSET")) {
            c.StartNoOffset = fields.whole();
        } else if (key == QLatin1String("JUDGE")) {
            c.JudgeCount = fields.whole(1, MaxJudges);
            judges.mark(c.JudgeCount);
            Judge& judge = c.Judges[c.JudgeCount - 1];
            judge.Name = fields.text();
            judge.Nation = fields.text();
        } else if (key == QLatin1String("PILOT")) {
            c.PilotCount = fields.whole(1, MaxPilots);
            pilots.mark(c.PilotCount);
            Pilot& pilot = c.Pilots[c.PilotCount - 1];
            pilot.StartNo = fields.whole();
            pilot.Name = fields.name(fields.text());
            pilot.Club = fields.text();
            pilot.NACNo = fields.text();
            pilot.KFactor = fields.real(PilotKFactorFits);
            pilot.Channel = fields.real(channelFits);
            pilot.Plane = fields.text();
            pilot.Engine = fields.text();
            pilot.Radio = fields.text();
        } else if (key == QLatin1String("TEAM")) {
            c.TeamCount = fields.whole(1, MaxTeams);
            teams.mark(c.TeamCount);
            Team& team = c.Teams[c.TeamCount - 1];
            team.Name = fields.text();
            team.MemberCount = fields.whole(0, MaxMembers);
            for (int m = 0; m < team.MemberCount && !fields.failed(); ++m)
                team.Members[m] = fields.text();
        }
    }
    if (fields.failed())
        return fields.fault();
    if (!named)
        return texts.get(QStringLiteral("FILE_NOT_CONTEST_REASON"));
    for (const std::optional<QString>& gap :
         {judges.gap(c.JudgeCount, "JUDGE", texts), pilots.gap(c.PilotCount, "PILOT", texts),
          teams.gap(c.TeamCount, "TEAM", texts)}) {
        if (gap)
            return *gap;
    }
    return QString();
}

QString readScheduleRecords(const QByteArray& bytes, Contest& c, const Texts& texts) {
    FieldReader reader(bytes);
    RecordReader fields(reader, texts);
    Seen<MaxManeuvers> maneuvers;
    bool timed = false;
    while (!fields.failed()) {
        const QString key = fields.key();
        if (key.isEmpty() && fields.atEnd())
            break;
        if (key == QLatin1String("TOTALTIME")) {
            c.TotalTime = fields.whole();
            timed = true;
        } else if (key == QLatin1String("MAN")) {
            c.ManeuverCount = fields.whole(1, MaxManeuvers);
            maneuvers.mark(c.ManeuverCount);
            c.ManeuverName[c.ManeuverCount - 1] = TrimBlanks(fields.text());
            // The schedule editor offers 1 to 10; older schedules hold 0, which counts as 1.
            c.ManeuverK[c.ManeuverCount - 1] = fields.whole(0, 10);
        }
    }
    if (fields.failed())
        return fields.fault();
    if (!timed)
        return texts.get(QStringLiteral("FILE_NOT_SCHEDULE_REASON"));
    return maneuvers.gap(c.ManeuverCount, "MAN", texts).value_or(QString());
}

void appendLine(QString& out, const QString& line) {
    out += line;
    out += QLatin1String(kLineEnd);
}

} // namespace

QString SchedulePath(const Contest& contest, const Workspace& work) {
    return work.ProgramDir + u'/' + contest.ContSchedule;
}

Status ReadContest(Contest& contest, const Workspace& work, const Texts& texts) {
    contest.JudgeCount = 0;
    contest.PilotCount = 0;
    contest.TeamCount = 0;
    const QString path = work.contestPath();
    const std::optional<QByteArray> bytes =
        QFileInfo(path).isFile() ? ReadWholeFile(path) : std::nullopt;
    if (!bytes)
        return missing(path, texts);
    QString fault;
    if (const std::optional<QByteArray> text = checkedBytes(*bytes, texts, fault)) {
        Contest loaded = contest;
        fault = readContestRecords(*text, loaded, texts);
        if (fault.isEmpty()) {
            contest = std::move(loaded);
            return Status::success();
        }
    }
    return Status::failure(FileRefusedMessage(path, fault, texts));
}

Status ReadSchedule(Contest& contest, const Workspace& work, const Texts& texts) {
    contest.ManeuverCount = 0;
    const QString path = SchedulePath(contest, work);
    const QString notLoaded = texts.get(QStringLiteral("SCHEDULE_NOT_LOADED_MESSAGE"));
    const std::optional<QByteArray> bytes =
        !contest.ContSchedule.isEmpty() && QFileInfo(path).isFile() ? ReadWholeFile(path)
                                                                    : std::nullopt;
    if (!bytes)
        return Status::failure(missing(path, texts).message + u'\n' + notLoaded);
    QString fault;
    if (const std::optional<QByteArray> text = checkedBytes(*bytes, texts, fault)) {
        Contest loaded = contest;
        fault = readScheduleRecords(*text, loaded, texts);
        if (fault.isEmpty()) {
            contest.TotalTime = loaded.TotalTime;
            contest.ManeuverCount = loaded.ManeuverCount;
            contest.ManeuverName = loaded.ManeuverName;
            contest.ManeuverK = loaded.ManeuverK;
            return Status::success();
        }
    }
    return Status::failure(FileRefusedMessage(path, fault, texts) + u'\n' + notLoaded);
}

void ClearContest(Contest& contest, Workspace& work) {
    const QString newScheduleName = contest.NewScheduleName;
    contest = Contest();
    contest.NewScheduleName = newScheduleName;
    work.ContestFile.clear();
}

QByteArray ContestFileBytes(const Contest& c) {
    QString out;
    appendLine(out, QStringLiteral("CONT_NAME,") + c.ContName);
    appendLine(out, QStringLiteral("CONT_DATE,") + c.ContDate);
    appendLine(out, QStringLiteral("CONT_LOCATION,") + c.ContLocation);
    appendLine(out, QStringLiteral("CONT_SCHEDULE,") + c.ContSchedule);
    appendLine(out, QStringLiteral("ROUNDS,") + FormatNumber(c.Rounds, u"0"));
    appendLine(out, QStringLiteral("START_NO_OFFSET,") + FormatNumber(c.StartNoOffset, u"0"));
    appendLine(out, QString());
    for (int i = 0; i < c.JudgeCount; ++i) {
        const Judge& j = c.Judges[i];
        appendLine(
            out,
            QStringLiteral("JUDGE,%1,%2,%3").arg(FormatNumber(i + 1, u"00"), j.Name, j.Nation));
    }
    appendLine(out, QString());
    for (int i = 0; i < c.PilotCount; ++i) {
        const Pilot& p = c.Pilots[i];
        const QStringList fields = {QStringLiteral("PILOT"),
                                    FormatNumber(i + 1, u"000"),
                                    FormatNumber(p.StartNo, u"000"),
                                    TrimBlanks(p.Name),
                                    TrimBlanks(p.Club),
                                    p.NACNo,
                                    FormatNumber(p.KFactor, u"0.00"),
                                    FormatNumber(p.Channel, u"000.000"),
                                    p.Plane,
                                    p.Engine,
                                    p.Radio};
        appendLine(out, fields.join(u','));
    }
    appendLine(out, QString());
    for (int i = 0; i < c.TeamCount; ++i) {
        const Team& t = c.Teams[i];
        QString line = QStringLiteral("TEAM,%1,%2,%3,")
                           .arg(FormatNumber(i + 1, u"000"), TrimBlanks(t.Name),
                                FormatNumber(t.MemberCount, u"00"));
        for (int m = 0; m < t.MemberCount; ++m)
            line += TrimBlanks(t.Members[m]) + u',';
        appendLine(out, line);
    }
    return toAnsi(out);
}

QByteArray ScheduleFileBytes(const Contest& c, int totalTime) {
    QString out;
    appendLine(out, QStringLiteral("TOTALTIME, ") + FormatNumber(totalTime, u"0"));
    appendLine(out, QStringLiteral("#, Maneuvre                     ,K"));
    for (int m = 0; m < c.ManeuverCount; ++m) {
        appendLine(out, QStringLiteral("MAN, %1, %2, %3")
                            .arg(FormatNumber(m + 1, u"00"), c.ManeuverName[m],
                                 FormatNumber(c.ManeuverK[m], u"0")));
    }
    return toAnsi(out);
}

Status SaveContest(const Contest& contest, const Workspace& work, const Texts& texts) {
    if (work.ContestFile.isEmpty())
        return Status::failure(texts.get(QStringLiteral("NO_COMPETITION_SELECTED")));
    if (work.EditMode == 1 && !QFileInfo(work.contestPath()).isFile())
        return missing(work.contestPath(), texts);
    return SaveFileAtomically(work.contestPath(), ContestFileBytes(contest));
}

Status SaveSchedule(const Contest& contest, int totalTime, const Workspace& work) {
    return SaveFileAtomically(SchedulePath(contest, work), ScheduleFileBytes(contest, totalTime));
}

} // namespace veltra
