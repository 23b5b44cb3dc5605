#include "display/displayprotocol.h"
#include "support/contestfolder.h"

#include "core/savefile.h"
#include "scoring/scorefiles.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray all;
    for (const QByteArray& line : lines)
        all += line;
    return all;
}

class Protocol : public ContestFolder {
  protected:
    void SetUp() override {
        ContestFolder::SetUp();
        contest.ContName = QString::fromUtf8("Vårcup Ørland");
        contest.Rounds = 2;
        addPilot(contest, "Bjørn Æsøy", 1).RoundScore = {572.0, 0.0};
        addPilot(contest, "Kåre Ås", 2).RoundScore = {123.5, 1000.0};
    }

    QByteArray receive(QByteArrayView bytes) { return joined(protocol.Receive(bytes).lines); }

    DisplayProtocol protocol{contest, work};
};

// Every line ends in a carriage return alone, with no line feed.
const QByteArray kConnected = "VRD_Connected\r";
const QByteArray kUpdateAnswer = "V\xE5rcup \xD8rland,2\r"
                                 "0,Bj\xF8rn \xC6s\xF8y, 572,   0, \r"
                                 "1,K\xE5re \xC5s,123.5,1000, \r";

} // namespace

// Bytes arriving one after another on one line, each arrival with what it is answered: requests
// are exact (case, blanks and a line feed make another request), reading waits for ten
// characters and completes fragments from what was kept, an answered request drops whatever
// queued behind it, and garbage, overlong lines and high bytes go unanswered but do not block
// later requests.
TEST_F(Protocol, AnswersEachExactRequestWhateverArrivesAroundIt) {
    const char garbage[] = "noise\r\x80\xFF\xE5\x01\x7F\0zz\r\r\r\rVRD_Connect\r";
    const std::pair<QByteArray, QByteArray> arrivals[] = {
        {"VRD_Connect\r", kConnected},
        {"VRD_Connect\rVRD_Update\rVRD_Connect\r", kConnected},
        {"VRD_Update\r", kUpdateAnswer},
        {"vrd_connect\rVRD_Connect \rVRD_Connect\n\rVRD_Updates\r\nVRD_Update\rVRD_Connected\r",
         {}},
        {"VRD_Upd", {}},
        {"ate", {}},
        {"\r", kUpdateAnswer},
        {"VRD_Conn\r", {}}, // nine characters never start reading, however long they wait
        {"VRD_Connect\r", kConnected},
        {QByteArray(garbage, sizeof garbage - 1), kConnected},
        {QByteArray(100000, 'V'), {}},
        {"VRD_Connect\r", {}}, // the end of that same long line
        {"VRD_Connect\r", kConnected},
        {"VRD_Connect", {}}, // and more characters on its line make it another request
        {QByteArray(5000, '\xE5'), {}},
        {"\rVRD_Update\r", kUpdateAnswer},
        {QByteArray("VRD_Update\r").repeated(200), kUpdateAnswer},
        {"VRD_Update\r", kUpdateAnswer}};
    int arrival = 0;
    for (const auto& [bytes, answer] : arrivals)
        EXPECT_EQ(receive(bytes), answer) << "arrival " << ++arrival;

    const QByteArray request = "VRD_Connect\r";
    for (qsizetype cut = 1; cut < request.size(); ++cut) {
        const QByteArray first = receive(request.left(cut));
        EXPECT_EQ(first + receive(request.mid(cut)), kConnected) << cut;
    }
    QByteArray answered;
    for (char c : QByteArray("VRD_Update\r"))
        answered += receive(QByteArray(1, c));
    EXPECT_EQ(answered, kUpdateAnswer);

    // Each line of the update answer is one write.
    const DisplayAnswer answer = protocol.Receive("VRD_Update\r");
    ASSERT_EQ(answer.lines.size(), 3);
    EXPECT_EQ(answer.lines[2], QByteArray("1,K\xE5re \xC5s,123.5,1000, \r"));
    EXPECT_TRUE(answer.message.isEmpty());

    // Reopening the port forgets a request left half-way, which the next line would complete.
    EXPECT_EQ(receive("VRD_Connect"), QByteArray());
    protocol.Reset();
    EXPECT_EQ(receive("\rVRD_Update\r"), kUpdateAnswer);
}

TEST_F(Protocol, UpdateReReadsTheResultsFileAndHandlesZeroRoundsAndNoCompetition) {
    contest.Pilots[1].RoundScore = {7.0, 8.0};
    ASSERT_TRUE(SaveFileAtomically(ResultsFilePath(contest, work),
                                   "002, K\xE5re \xC5s, 0123.50, 1000.00, \r\n"));
    EXPECT_EQ(receive("VRD_Update\r"), kUpdateAnswer);
    // The points in memory, perhaps being typed in the score entry window, stay as they were.
    EXPECT_EQ(contest.Pilots[1].RoundScore[0], 7.0);
    EXPECT_EQ(contest.Pilots[1].RoundScore[1], 8.0);

    contest.Rounds = 0;
    EXPECT_EQ(receive("VRD_Update\r"), QByteArray("V\xE5rcup \xD8rland,0\r"
                                                  "0,Bj\xF8rn \xC6s\xF8y, \r"
                                                  "1,K\xE5re \xC5s, \r"));

    Contest none;
    Workspace closed;
    DisplayProtocol idle(none, closed);
    EXPECT_EQ(joined(idle.Receive("VRD_Update\r").lines), QByteArray(",0\r"));
}

TEST_F(Protocol, ADamagedResultsFileIsToldOnceAndTheBoardStillGetsItsAnswer) {
    const QString results = ResultsFilePath(contest, work);
    ASSERT_TRUE(SaveFileAtomically(results, "001, Bj\xF8rn \xC6s\xF8y, 05x2.00, 0000.00, \r\n"));
    const DisplayAnswer first = protocol.Receive("VRD_Update\r");
    EXPECT_EQ(first.lines.size(), 3);
    EXPECT_TRUE(first.message.contains(QDir::toNativeSeparators(results)))
        << first.message.toStdString();
    EXPECT_TRUE(protocol.Receive("VRD_Update\r").message.isEmpty());

    ASSERT_TRUE(SaveFileAtomically(results, "001, Bj\xF8rn \xC6s\xF8y, 0500.00, 0000.00, \r\n"));
    EXPECT_TRUE(protocol.Receive("VRD_Update\r").message.isEmpty());
    ASSERT_TRUE(SaveFileAtomically(results, "001, Bj\xF8rn \xC6s\xF8y, 05x2.00, 0000.00, \r\n"));
    EXPECT_FALSE(protocol.Receive("VRD_Update\r").message.isEmpty());
}
