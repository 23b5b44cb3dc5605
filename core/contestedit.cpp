#include "core/contestedit.h"

#include "core/ansitext.h"
#include "core/fieldreader.h"
#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltra {
namespace {

// The start number is a 16-bit whole number in the store and in the competition file.
constexpr int kMaxStartNo = 32767;

// Characters that no file name may hold on the director's PC.
constexpr char16_t kFileNameForbidden[] = u"\\/:*?\"<>|";

bool storable(QChar c) {
    return c.unicode() >= 0x20 && (c == u'?' || toAnsi(QString(c)) != "?");
}

QString quoted(QChar c) {
    return u'"' + QString(c) + u'"';
}

// Text that goes into a file field: commas replaced, blanks trimmed, the default when that
// leaves nothing.
QString fieldText(const QString& typed, const char* fallback) {
    const QString text = TrimBlanks(EditorText(typed));
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

std::optional<int> wholeNumber(const QString& text, int minimum, int maximum) {
    const std::optional<double> value = ParseReal(text);
    if (!value || *value != std::floor(*value) || *value < minimum || *value > maximum)
        return std::nullopt;
    return static_cast<int>(*value);
}

bool nameTaken(const Contest& contest, const QString& name, int exceptIndex) {
    for (int i = 0; i < contest.PilotCount; ++i) {
        if (i != exceptIndex &&
            TrimBlanks(contest.Pilots[i].Name).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

template <typename Record, std::size_t N>
void removeRecord(std::array<Record, N>& records, int& count, int index) {
    for (int i = index; i < count - 1; ++i)
        records[i] = std::move(records[i + 1]);
    --count;
}

PilotFault pilotFault(PilotBox box, QString message) {
    return {box, std::move(message)};
}

} // namespace

QString EditorText(const QString& typed) {
    return StringExchange(typed, u',', u' ');
}

std::optional<QString> UnstorableTextFault(const QString& text, const QString& what) {
    for (QChar c : text) {
        if (!storable(c))
            return QStringLiteral("%1 cannot hold the character %2.").arg(what, quoted(c));
    }
    return std::nullopt;
}

std::optional<QString> FileStemFault(const QString& stem, const QString& what) {
    if (TrimBlanks(stem).isEmpty())
        return QStringLiteral("%1 is empty.").arg(what);
    if (stem.contains(QStringLiteral("..")))
        return QStringLiteral("%1 is part of file names and cannot hold \"..\".").arg(what);
    for (QChar c : stem) {
        if (QStringView(kFileNameForbidden).contains(c))
            return QStringLiteral("%1 is part of file names and cannot hold the character %2.")
                .arg(what, quoted(c));
    }
    return UnstorableTextFault(stem, what);
}

bool PilotKFactorFits(double kFactor) {
    const double kept = std::round(kFactor * 100.0) / 100.0;
    return kept > 0.0 && kept < 100.0;
}

QString ContestFileName(const QString& chosen) {
    return chosen.contains(u'.') ? chosen : chosen + QStringLiteral(".cnt");
}

std::optional<HeaderFault> CheckContestHeader(const ContestHeader& header) {
    struct Box {
        HeaderBox box;
        const char* label;
        QString text;
    };
    const Box boxes[] = {{HeaderBox::Name, "Name", EditorText(header.name)},
                         {HeaderBox::Date, "Date", EditorText(header.date)},
                         {HeaderBox::Location, "Location", EditorText(header.location)}};
    for (const Box& box : boxes) {
        const QString what = QStringLiteral("The %1 box").arg(QLatin1String(box.label));
        if (TrimBlanks(box.text).isEmpty())
            return HeaderFault{box.box, what + QStringLiteral(" is empty. The competition file "
                                                              "needs a value there.")};
        // The name is the stem of every score file's name.
        const std::optional<QString> fault = box.box == HeaderBox::Name
                                                 ? FileStemFault(box.text, what)
                                                 : UnstorableTextFault(box.text, what);
        if (fault)
            return HeaderFault{box.box, *fault};
    }
    if (header.schedule.isEmpty())
        return HeaderFault{HeaderBox::Schedule,
                           QStringLiteral("The Schedule list is empty: the program folder holds "
                                          "no flight schedule. Create one with Edit, Flight "
                                          "schedule first.")};
    return std::nullopt;
}

void TakeContestHeader(Contest& contest, const ContestHeader& header) {
    contest.ContName = EditorText(header.name);
    contest.ContDate = EditorText(header.date);
    contest.ContLocation = EditorText(header.location);
    contest.ContSchedule = header.schedule;
    contest.Rounds = header.rounds;
    contest.StartNoOffset = header.startNoOffset;
}

PilotCheck CheckPilotBoxes(const PilotBoxes& boxes, const Contest& contest, int editIndex) {
    PilotCheck check;
    PilotEntry& entry = check.entry;
    entry.name = fieldText(boxes.name, "Navn");
    entry.club = fieldText(boxes.club, "Klubb");
    entry.plane = fieldText(boxes.plane, "Fly");
    entry.radio = fieldText(boxes.radio, "Radio");
    entry.engine = fieldText(boxes.engine, "Motor");
    entry.nacNo = fieldText(boxes.nacNo, "NAK");

    const std::pair<PilotBox, const QString*> texts[] = {{PilotBox::Club, &entry.club},
                                                         {PilotBox::NACNo, &entry.nacNo},
                                                         {PilotBox::Plane, &entry.plane},
                                                         {PilotBox::Engine, &entry.engine},
                                                         {PilotBox::Radio, &entry.radio}};
    if (const auto fault = FileStemFault(entry.name, QStringLiteral("The pilot's name"))) {
        check.fault = pilotFault(PilotBox::Name, *fault);
        return check;
    }
    if (nameTaken(contest, entry.name, editIndex)) {
        check.fault = pilotFault(
            PilotBox::Name,
            QStringLiteral("Another pilot of this competition is already called \"%1\". Pilots "
                           "are told apart by their names, so give this one another name.")
                .arg(entry.name));
        return check;
    }
    for (const auto& [box, text] : texts) {
        if (const auto fault = UnstorableTextFault(*text, QStringLiteral("This box"))) {
            check.fault = pilotFault(box, *fault);
            return check;
        }
    }

    const QString startNo = boxes.startNo.trimmed();
    if (startNo.isEmpty()) {
        entry.startNo = editIndex;
    } else if (const std::optional<int> value = wholeNumber(startNo, 0, kMaxStartNo)) {
        entry.startNo = *value;
    } else {
        check.fault = pilotFault(PilotBox::StartNo,
                                 QStringLiteral("The start number must be a whole number from "
                                                "0 to %1.")
                                     .arg(kMaxStartNo));
        return check;
    }

    const QString channel = boxes.channel.trimmed();
    const std::optional<double> channelValue =
        channel.isEmpty() ? std::optional<double>(0.0) : ParseReal(channel);
    if (!channelValue || *channelValue < 0.0 || *channelValue >= 1000.0) {
        check.fault = pilotFault(PilotBox::Channel,
                                 QStringLiteral("The channel must be a number from 0 to 999.999: "
                                                "a frequency such as 35.010 or a channel number "
                                                "such as 61."));
        return check;
    }
    // The competition file keeps three decimals: the store holds what the file will hold.
    entry.channel = std::round(*channelValue * 1000.0) / 1000.0;

    const QString kFactor = boxes.kFactor.trimmed();
    const std::optional<double> kValue =
        kFactor.isEmpty() ? std::optional<double>(1.0) : ParseReal(kFactor);
    // The competition file keeps two decimals.
    const double kStored = kValue ? std::round(*kValue * 100.0) / 100.0 : 0.0;
    if (!PilotKFactorFits(kStored)) {
        check.fault = pilotFault(PilotBox::KFactor,
                                 QStringLiteral("The K-factor must be a number above 0, such as "
                                                "1.0 or 1.25."));
        return check;
    }
    entry.kFactor = kStored;
    return check;
}

void StorePilot(Contest& contest, int index, const PilotEntry& entry, bool adding) {
    Pilot& pilot = contest.Pilots[index];
    pilot.StartNo = entry.startNo;
    pilot.Name = entry.name;
    pilot.Club = entry.club;
    pilot.NACNo = entry.nacNo;
    pilot.KFactor = entry.kFactor;
    pilot.Channel = entry.channel;
    pilot.Plane = entry.plane;
    pilot.Engine = entry.engine;
    pilot.Radio = entry.radio;
    if (!adding)
        return;
    pilot.RoundScore.fill(0.0);
    pilot.RoundPoints.fill(0.0);
    pilot.Total = 0.0;
    ++contest.PilotCount;
}

void RenameTeamMember(Contest& contest, const QString& oldName, const QString& newName) {
    const QString old = TrimBlanks(oldName);
    for (int t = 0; t < contest.TeamCount; ++t) {
        Team& team = contest.Teams[t];
        for (int m = 0; m < team.MemberCount; ++m) {
            if (TrimBlanks(team.Members[m]) == old)
                team.Members[m] = newName;
        }
    }
}

void StoreJudge(Contest& contest, int index, const QString& name, const QString& nation,
                bool adding) {
    // Judge texts keep their blanks; only a box left empty takes the default.
    const QString storedName = EditorText(name);
    const QString storedNation = EditorText(nation);
    Judge& judge = contest.Judges[index];
    judge.Name = TrimBlanks(storedName).isEmpty() ? QStringLiteral("Navn") : storedName;
    judge.Nation = TrimBlanks(storedNation).isEmpty() ? QStringLiteral("Nasjon") : storedNation;
    if (adding)
        ++contest.JudgeCount;
}

void RemoveJudge(Contest& contest, int index) {
    removeRecord(contest.Judges, contest.JudgeCount, index);
}

void RemovePilot(Contest& contest, int index) {
    removeRecord(contest.Pilots, contest.PilotCount, index);
}

void RemoveTeam(Contest& contest, int index) {
    removeRecord(contest.Teams, contest.TeamCount, index);
}

bool SameRecords(const Contest& a, const Contest& b) {
    const auto samePilot = [](const Pilot& p, const Pilot& q) {
        return p.StartNo == q.StartNo && p.Name == q.Name && p.Club == q.Club &&
               p.Plane == q.Plane && p.Engine == q.Engine && p.Radio == q.Radio &&
               p.Channel == q.Channel && p.NACNo == q.NACNo && p.KFactor == q.KFactor &&
               p.RoundScore == q.RoundScore;
    };
    const auto sameTeam = [](const Team& t, const Team& u) {
        return t.Name == u.Name && t.MemberCount == u.MemberCount &&
               std::equal(t.Members.begin(), t.Members.begin() + t.MemberCount, u.Members.begin());
    };
    const auto sameJudge = [](const Judge& j, const Judge& k) {
        return j.Name == k.Name && j.Nation == k.Nation;
    };
    return a.JudgeCount == b.JudgeCount && a.PilotCount == b.PilotCount &&
           a.TeamCount == b.TeamCount &&
           std::equal(a.Judges.begin(), a.Judges.begin() + a.JudgeCount, b.Judges.begin(),
                      sameJudge) &&
           std::equal(a.Pilots.begin(), a.Pilots.begin() + a.PilotCount, b.Pilots.begin(),
                      samePilot) &&
           std::equal(a.Teams.begin(), a.Teams.begin() + a.TeamCount, b.Teams.begin(), sameTeam);
}

void SwapPilots(Contest& contest, int first, int second) {
    std::swap(contest.Pilots[first], contest.Pilots[second]);
}

bool TeamCanBeStored(const QString& typedName, int memberCount) {
    return memberCount > 0 && !TrimBlanks(EditorText(typedName)).isEmpty();
}

void StoreTeam(Contest& contest, int index, const QString& typedName, const QStringList& members) {
    Team& team = contest.Teams[index];
    team.Name = EditorText(typedName);
    team.MemberCount = static_cast<int>(members.size());
    for (int m = 0; m < team.MemberCount; ++m)
        team.Members[m] = members[m];
}

} // namespace veltra
