#include "core/contestfiles.h"

#include "core/ansitext.h"
#include "core/fieldreader.h"
#include "core/format.h"
#include "core/numbers.h"
#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace veltra {
namespace {

// Reads the value fields of one record; the first fault found names its line.
class RecordReader {
  public:
    explicit RecordReader(FieldReader& reader) : reader_(reader) {}

    QString text() { return reader_.ReadField(); }

    int integer(const char* what, int minimum = -32768, int maximum = 32767) {
        const QString field = reader_.ReadField();
        if (const std::optional<int> value = ParseInteger(field, minimum, maximum))
            return *value;
        fail(what, field);
        return minimum;
    }

    double real(const char* what) {
        const QString field = reader_.ReadField();
        if (const std::optional<double> value = ParseReal(field))
            return *value;
        fail(what, field);
        return 0.0;
    }

    bool failed() const { return !fault_.isEmpty(); }
    const QString& fault() const { return fault_; }

  private:
    void fail(const char* what, const QString& field) {
        if (failed())
            return;
        fault_ = QStringLiteral("line %1: %2 \"%3\" is not valid.\n%4")
                     .arg(reader_.lastFieldLine())
                     .arg(QString::fromLatin1(what), field, reader_.lastFieldLineText());
    }

    FieldReader& reader_;
    QString fault_;
};

Status refused(const QString& path, const QString& fault) {
    return Status::failure(QStringLiteral("The file %1 cannot be read, %2")
                               .arg(QDir::toNativeSeparators(path), fault));
}

Status missing(const Texts& texts) {
    return Status::failure(texts.get(QStringLiteral("UNABLE_TO_LOCATE_FILE_MESSAGE")));
}

void readContestRecords(FieldReader& reader, RecordReader& fields, Contest& c) {
    while (!fields.failed()) {
        const QString key = TrimBlanks(reader.ReadField());
        if (reader.atEnd())
            return;
        if (key == QLatin1String("CONT_NAME")) {
            c.ContName = fields.text();
        } else if (key == QLatin1String("CONT_DATE")) {
            c.ContDate = fields.text();
        } else if (key == QLatin1String("CONT_LOCATION")) {
            c.ContLocation = fields.text();
        } else if (key == QLatin1String("CONT_SCHEDULE")) {
            c.ContSchedule = fields.text();
        } else if (key == QLatin1String("ROUNDS")) {
            c.Rounds = fields.integer("number of rounds", 0, MaxRounds);
        } else if (key == QLatin1String("START_NO_OFFSET")) {
            c.StartNoOffset = fields.integer("start number offset");
        } else if (key == QLatin1String("JUDGE")) {
            c.JudgeCount = fields.integer("judge number", 1, MaxJudges);
            Judge& judge = c.Judges[c.JudgeCount - 1];
            judge.Name = fields.text();
            judge.Nation = fields.text();
        } else if (key == QLatin1String("PILOT")) {
            c.PilotCount = fields.integer("pilot number", 1, MaxPilots);
            Pilot& pilot = c.Pilots[c.PilotCount - 1];
            pilot.StartNo = fields.integer("start number");
            pilot.Name = fields.text();
            pilot.Club = fields.text();
            pilot.NACNo = fields.text();
            pilot.KFactor = fields.real("pilot K-factor");
            pilot.Channel = fields.real("channel");
            pilot.Plane = fields.text();
            pilot.Engine = fields.text();
            pilot.Radio = fields.text();
        } else if (key == QLatin1String("TEAM")) {
            c.TeamCount = fields.integer("team number", 1, MaxTeams);
            Team& team = c.Teams[c.TeamCount - 1];
            team.Name = fields.text();
            team.MemberCount = fields.integer("number of team members", 0, MaxMembers);
            for (int m = 0; m < team.MemberCount && !fields.failed(); ++m)
                team.Members[m] = fields.text();
        }
    }
}

void readScheduleRecords(FieldReader& reader, RecordReader& fields, Contest& c) {
    while (!fields.failed()) {
        const QString key = TrimBlanks(reader.ReadField());
        if (reader.atEnd())
            return;
        if (key == QLatin1String("TOTALTIME")) {
            c.TotalTime = fields.integer("time allowed");
        } else if (key == QLatin1String("MAN")) {
            c.ManeuverCount = fields.integer("maneuver number", 1, MaxManeuvers);
            c.ManeuverName[c.ManeuverCount - 1] = TrimBlanks(fields.text());
            c.ManeuverK[c.ManeuverCount - 1] = fields.integer("maneuver K-factor");
        }
    }
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
    const QString path = work.contestPath();
    if (!QFileInfo(path).isFile())
        return missing(texts);
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return missing(texts);
    Contest loaded = contest;
    FieldReader reader(*bytes);
    RecordReader fields(reader);
    readContestRecords(reader, fields, loaded);
    if (fields.failed())
        return refused(path, fields.fault());
    contest = std::move(loaded);
    return Status::success();
}

Status ReadSchedule(Contest& contest, const Workspace& work, const Texts& texts) {
    contest.ManeuverCount = 0;
    const QString path = SchedulePath(contest, work);
    if (contest.ContSchedule.isEmpty() || !QFileInfo(path).isFile())
        return missing(texts);
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return missing(texts);
    Contest loaded = contest;
    FieldReader reader(*bytes);
    RecordReader fields(reader);
    readScheduleRecords(reader, fields, loaded);
    if (fields.failed())
        return refused(path, fields.fault());
    contest.TotalTime = loaded.TotalTime;
    contest.ManeuverCount = loaded.ManeuverCount;
    contest.ManeuverName = loaded.ManeuverName;
    contest.ManeuverK = loaded.ManeuverK;
    return Status::success();
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
    if (work.EditMode == 1 && !QFileInfo(work.contestPath()).isFile())
        return missing(texts);
    return SaveFileAtomically(work.contestPath(), ContestFileBytes(contest));
}

Status SaveSchedule(const Contest& contest, int totalTime, const Workspace& work) {
    return SaveFileAtomically(SchedulePath(contest, work), ScheduleFileBytes(contest, totalTime));
}

} // namespace veltra
