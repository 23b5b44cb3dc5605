#pragma once

#include "core/contest.h"
#include "core/status.h"
#include "core/texts.h"
#include "scoring/marks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

namespace veltra {

// Round score file of a pilot and round: the contest folder, the contest name, a blank, the
// pilot name and ".R" with the round in two digits. Names are trimmed.
QString RoundScoreFilePath(const Contest& contest, const Workspace& work, const QString& pilotName,
                           int round);

// Results file: the contest folder, the contest name and ".RES". The name is trimmed for
// writing and reading alike, so a name with a trailing blank still finds its file.
QString ResultsFilePath(const Contest& contest, const Workspace& work);

// One "SCORE" line per maneuver with max(3, judges) marks, empty cells and absent judges as
// "0", then the bonus line and an empty line.
QByteArray RoundScoreFileBytes(const RoundMarks& marks, int maneuverCount, int judgeCount);

// One line per pilot: start number, name and the points of every round.
QByteArray ResultsFileBytes(const Contest& contest);

// Writes the round score file of one pilot and round, then the whole results file from every
// pilot's points. Either write failing leaves that file as it was and names it.
Status SaveScores(const Contest& contest, const Workspace& work, int pilotIndex, int round,
                  const RoundMarks& marks);

// What reading a round score file found. A missing file is a round not flown yet. A damaged
// one is not as this program writes it for the competition: every mark that could be read is
// taken, and `message` says what is wrong.
struct RoundFileRead {
    bool found = false;
    bool intact = true;
    // False when the file holds marks of maneuvers or judges that the competition lacks, or
    // cannot be opened: the grid cannot show them all, so storing over the file would lose marks.
    bool fitsGrid = true;
    QString message;
    explicit operator bool() const { return intact; }
};

// Reads the stored marks of one pilot and round into `marks` (which the caller has emptied).
// The message of a damaged file is "FEIL ", its path and, on the next line, what is wrong.
RoundFileRead RecallScores(const Contest& contest, const Workspace& work, int pilotIndex, int round,
                           RoundMarks& marks, const Texts& texts = Texts());

// The marks of a round score file's bytes, checked against the competition: only the file
// written for its schedule and judges, with every line whole, is intact. Line ends of any kind
// are taken.
RoundFileRead ParseRoundScoreFile(const QByteArray& bytes, const Contest& contest,
                                  RoundMarks& marks, const Texts& texts = Texts());

// Whether the pilot (an index into the competition) has stored marks for the round: a round
// score file that is not empty. An empty file is what recalling a round that was never scored
// used to leave.
bool HasStoredRound(const Contest& contest, const Workspace& work, int pilotIndex, int round);

// Whether any pilot of the competition has stored marks for any round.
bool HasStoredMarks(const Contest& contest, const Workspace& work);

// Which pilots have stored marks in which of the competition's rounds.
struct StoredRounds {
    std::array<std::array<bool, MaxRounds>, MaxPilots> ofPilot{}; // [pilot][round - 1]
    std::array<int, MaxRounds> pilots{};                          // pilots stored per round
    int flown = 0; // the highest round that any pilot has stored marks for; 0 for none
};
StoredRounds ReadStoredRounds(const Contest& contest, const Workspace& work);

// What a pilot without a line in the results file gets: the points it has (the views and the
// display board re-read the file while points may be typed), or those of its round score files
// (on opening, when no points in memory belong to this competition).
enum class PilotsWithoutLine { KeepPoints, FromMarks };

// Sets rounds 1 .. roundsToCount of every pilot from its line of the results file. A pilot whose
// own line is damaged (a points field that is no number or out of all reach, a last line cut
// short), and a round the line does not reach, gets the points of its round score files, 0
// where there is none; so does a pilot without a line when `withoutLine` says so. The returned
// failure names the file and the pilots whose points came from their marks that way. Lines of
// pilots not in the competition are passed over.
Status ReadPreviousScores(Contest& contest, const Workspace& work, int roundsToCount,
                          PilotsWithoutLine withoutLine = PilotsWithoutLine::KeepPoints);

// The points of a pilot's round as its round score file gives them; nothing when the file is
// missing, empty or cannot be read.
std::optional<double> RoundPointsFromFile(const Contest& contest, const Workspace& work,
                                          int pilotIndex, int round);

// Calls onScore(rowField, marks, markCount) for each "SCORE" line and onBonus(field) for each
// "BONUS" line of a round score file; marks beyond the line's own fields are absent.
struct RoundScoreLine {
    QByteArrayView row;
    std::array<QByteArrayView, MaxJudges> marks;
    int markCount = 0;
};
template <typename OnScore, typename OnBonus>
void ScanRoundScoreFile(QByteArrayView bytes, int judgeCount, OnScore&& onScore, OnBonus&& onBonus);

} // namespace veltra

#include "scoring/scorefiles_scan.h"
