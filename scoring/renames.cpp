#include "scoring/renames.h"

#include "core/ansitext.h"
#include "core/contestfiles.h"
#include "core/fieldreader.h"
#include "core/savefile.h"
#include "scoring/scorefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <utility>
#include <vector>

namespace veltra {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Renames a set of files as one step: nothing is renamed when a target exists, and a rename
// that fails puts back the ones done before it.
class FileMoves {
  public:
    void addIfPresent(const QString& from, const QString& to) {
        if (QFileInfo::exists(from))
            moves_.emplace_back(from, to);
    }

    bool empty() const { return moves_.empty(); }

    Status run() {
        for (const auto& [from, to] : moves_) {
            if (QFileInfo::exists(to))
                return Status::failure(QStringLiteral("The file %1 exists already. Nothing was "
                                                      "renamed, so that no marks are lost.")
                                           .arg(native(to)));
        }
        for (const auto& [from, to] : moves_) {
            if (!QFile::rename(from, to)) {
                undo();
                return Status::failure(QStringLiteral("The score file %1 could not be renamed to "
                                                      "%2. Nothing was renamed.")
                                           .arg(native(from), native(to)));
            }
            ++done_;
        }
        return Status::success();
    }

    void undo() {
        for (; done_ > 0; --done_)
            QFile::rename(moves_[done_ - 1].second, moves_[done_ - 1].first);
    }

  private:
    std::vector<std::pair<QString, QString>> moves_;
    int done_ = 0;
};

// The results file with one pilot's line given the new name; every other byte stays.
struct ResultsRename {
    QString path;
    QByteArray before;
    QByteArray after;
    bool changed() const { return before != after; }
};

QByteArrayView nameField(QByteArrayView line, qsizetype& begin, qsizetype& end) {
    begin = line.indexOf(',');
    end = begin < 0 ? -1 : line.indexOf(',', begin + 1);
    if (end < 0)
        return {};
    ++begin;
    return TrimBlanks(line.sliced(begin, end - begin));
}

std::optional<ResultsRename> renameResultsLine(const Contest& contest, const Workspace& work,
                                               const QString& oldName, const QString& newName,
                                               Status& status) {
    ResultsRename rename;
    rename.path = ResultsFilePath(contest, work);
    if (!QFileInfo::exists(rename.path))
        return rename;
    const std::optional<QByteArray> bytes = ReadWholeFile(rename.path);
    if (!bytes) {
        status = Status::failure(QStringLiteral("FEIL ") + native(rename.path));
        return std::nullopt;
    }
    rename.before = *bytes;
    const QByteArray oldField = toAnsi(TrimBlanks(oldName));
    const QByteArray newField = toAnsi(TrimBlanks(newName));
    for (qsizetype at = 0; at < bytes->size();) {
        qsizetype end = bytes->indexOf('\n', at);
        end = end < 0 ? bytes->size() : end + 1;
        const QByteArrayView line = QByteArrayView(*bytes).sliced(at, end - at);
        qsizetype nameBegin = 0;
        qsizetype nameEnd = 0;
        const QByteArrayView name = nameField(line, nameBegin, nameEnd);
        if (!name.isEmpty() && name == newField) {
            status = Status::failure(QStringLiteral("The results file %1 holds points of a pilot "
                                                    "called \"%2\" already. Nothing was renamed.")
                                         .arg(native(rename.path), TrimBlanks(newName)));
            return std::nullopt;
        }
        if (!name.isEmpty() && name == oldField)
            rename.after += line.first(nameBegin).toByteArray() + ' ' + newField +
                            line.sliced(nameEnd).toByteArray();
        else
            rename.after += line.toByteArray();
        at = end;
    }
    return rename;
}

int pilotNamed(const Contest& contest, const QString& name) {
    for (int i = 0; i < contest.PilotCount; ++i) {
        if (TrimBlanks(contest.Pilots[i].Name) == TrimBlanks(name))
            return i;
    }
    return -1;
}

void restoreHeader(Contest& contest, const Contest& before) {
    contest.ContName = before.ContName;
    contest.ContDate = before.ContDate;
    contest.ContLocation = before.ContLocation;
    contest.ContSchedule = before.ContSchedule;
    contest.Rounds = before.Rounds;
    contest.StartNoOffset = before.StartNoOffset;
}

} // namespace

Status ChangePilot(Contest& contest, const Workspace& work, const Texts& texts, int index,
                   const PilotEntry& entry) {
    const Pilot before = contest.Pilots[index];
    const bool renamed = TrimBlanks(before.Name) != TrimBlanks(entry.name);
    const auto change = [&] {
        StorePilot(contest, index, entry, false);
        if (renamed)
            RenameTeamMember(contest, before.Name, entry.name);
    };
    if (!renamed || work.EditMode != 1) {
        change();
        return Status::success();
    }

    // Only the rename goes to the competition file; the editor's other changes wait for OK.
    Contest onFile = contest;
    if (const Status read = ReadContest(onFile, work, texts); !read)
        return read;
    const int fileIndex = pilotNamed(onFile, before.Name);
    if (fileIndex < 0) {
        // A pilot added since the file was saved owns no score files yet.
        change();
        return Status::success();
    }

    FileMoves moves;
    for (int round = 1; round <= MaxRounds; ++round)
        moves.addIfPresent(RoundScoreFilePath(contest, work, before.Name, round),
                           RoundScoreFilePath(contest, work, entry.name, round));
    Status status;
    const std::optional<ResultsRename> results =
        renameResultsLine(contest, work, before.Name, entry.name, status);
    if (!results)
        return status;
    if (status = moves.run(); !status)
        return status;
    if (results->changed()) {
        if (status = SaveFileAtomically(results->path, results->after); !status) {
            moves.undo();
            return status;
        }
    }
    if (!moves.empty() || results->changed()) {
        onFile.Pilots[fileIndex].Name = entry.name;
        RenameTeamMember(onFile, before.Name, entry.name);
        if (status = SaveContest(onFile, work, texts); !status) {
            if (results->changed())
                SaveFileAtomically(results->path, results->before);
            moves.undo();
            return status;
        }
    }
    change();
    return Status::success();
}

Status SaveEditedContest(Contest& contest, const Workspace& work, const Texts& texts,
                         const ContestHeader& header) {
    const Contest before = contest;
    TakeContestHeader(contest, header);
    FileMoves moves;
    if (work.EditMode == 1 && TrimBlanks(before.ContName) != TrimBlanks(contest.ContName)) {
        for (int i = 0; i < contest.PilotCount; ++i) {
            const QString& name = contest.Pilots[i].Name;
            for (int round = 1; round <= MaxRounds; ++round)
                moves.addIfPresent(RoundScoreFilePath(before, work, name, round),
                                   RoundScoreFilePath(contest, work, name, round));
        }
        moves.addIfPresent(ResultsFilePath(before, work), ResultsFilePath(contest, work));
    }
    Status status = moves.run();
    if (status)
        status = SaveContest(contest, work, texts);
    if (!status) {
        moves.undo();
        restoreHeader(contest, before);
    }
    return status;
}

} // namespace veltra
