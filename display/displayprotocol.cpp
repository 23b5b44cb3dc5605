#include "display/displayprotocol.h"

#include "core/ansitext.h"
#include "core/format.h"
#include "scoring/results.h"

#include <algorithm>
#include <string>
#include <utility>

namespace veltra {
namespace {

constexpr char kCarriageReturn = '\r';

// A request is kept only up to one character more than the longest request, so that a line
// without end can neither grow without limit nor ever match.
constexpr qsizetype kKeptRequestLength = std::char_traits<char>::length(kConnectRequest) + 1;

QByteArray endedLine(QByteArray line) {
    line.append(kCarriageReturn);
    return line;
}

} // namespace

QByteArray DisplayHeaderLine(const Contest& contest) {
    return endedLine(toAnsi(contest.ContName + u',' + FormatNumber(contest.Rounds, u"0")));
}

QByteArray DisplayPilotLine(const Contest& contest, int pilotIndex) {
    const Pilot& pilot = contest.Pilots[pilotIndex];
    QString line = FormatNumber(pilotIndex, u"0") + u',' + pilot.Name;
    for (int r = 0; r < contest.Rounds; ++r)
        line += u',' + FormatText(NumberText(pilot.RoundScore[r]), u"@@@@");
    line += QStringLiteral(", ");
    return endedLine(toAnsi(line));
}

DisplayProtocol::DisplayProtocol(const Contest& contest, const Workspace& work)
    : contest_(contest), work_(work) {}

void DisplayProtocol::Reset() {
    waiting_.clear();
    request_.clear();
    reading_ = false;
}

void DisplayProtocol::keep(QByteArrayView part) {
    const qsizetype room = std::max<qsizetype>(0, kKeptRequestLength - request_.size());
    request_.append(part.first(std::min(room, part.size())));
}

DisplayAnswer DisplayProtocol::Receive(QByteArrayView arrived) {
    waiting_.append(arrived);
    DisplayAnswer answer;
    qsizetype next = 0;
    while (reading_ || waiting_.size() - next >= kRequestThreshold) {
        reading_ = true;
        const qsizetype end = waiting_.indexOf(kCarriageReturn, next);
        if (end < 0) {
            keep(QByteArrayView(waiting_).sliced(next));
            next = waiting_.size();
            break;
        }
        keep(QByteArrayView(waiting_).sliced(next, end - next));
        next = end + 1;
        reading_ = false;
        const QByteArray request = std::exchange(request_, QByteArray());
        if (request == kConnectRequest) {
            answer.lines.append(endedLine(kConnectAnswer));
        } else if (request == kUpdateRequest) {
            answer.lines = updateAnswer(answer.message);
        } else {
            continue;
        }
        // An answered request empties the input buffer: whatever queued behind it is dropped.
        next = waiting_.size();
        break;
    }
    waiting_.remove(0, next);
    return answer;
}

QList<QByteArray> DisplayProtocol::updateAnswer(QString& message) {
    const PreparedResults results = PrepareResults(contest_, work_, {contest_.Rounds, false});
    if (!results.read.ok && results.read.message != lastScoreFault_)
        message = results.read.message;
    lastScoreFault_ = results.read.message;
    const Contest& stored = results.contest;
    QList<QByteArray> lines{DisplayHeaderLine(stored)};
    for (int p = 0; p < stored.PilotCount; ++p)
        lines.append(DisplayPilotLine(stored, p));
    return lines;
}

} // namespace veltra
