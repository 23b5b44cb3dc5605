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

const QByteArray kUpdateAnswer = "V\xE5rcup \xD8rland,2\r"
                                 "0,Bj\xF8rn \xC6s\xF8y, 572,   0, \r"
                                 "1,K\xE5re \xC5s,123.5,1000, \r";

} // namespace

TEST_F(Protocol, AnswersEachRequestWithItsExactBytesAndDropsWhatQueuedBehind) {
    EXPECT_EQ(receive("VRD_Connect\r"), QByteArray("VRD_Connected\r"));
    EXPECT_EQ(receive("VRD_Connect\rVRD_Update\rVRD_Connect\r"), QByteArray("VRD_Connected\r"));
    EXPECT_EQ(receive("VRD_Update\r"), kUpdateAnswer);

    // Each line of the update answer is one write.
    const DisplayAnswer answer = protocol.Receive("VRD_Update\r");
    ASSERT_EQ(answer.lines.size(), 3);
    EXPECT_EQ(answer.lines[2], QByteArray("1,K\xE5re \xC5s,123.5,1000, \r"));
    EXPECT_TRUE(answer.message.isEmpty());

    // Requests are exact: case, blanks and a line feed all make another request.
    for (const char* other : {"vrd_connect\r", "VRD_Connect \r", "VRD_Connect\n\r", "VRD_Updates\r",
                              "\nVRD_Update\r", "VRD_Connected\r"})
        EXPECT_EQ(receive(other), QByteArray()) << other;
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

TEST_F(Protocol, ReadingWaitsForTenCharactersAndCompletesFragmentsFromWhatWasKept) {
    EXPECT_EQ(receive("VRD_Upd"), QByteArray());
    EXPECT_EQ(receive("ate"), QByteArray());
    EXPECT_EQ(receive("\r"), kUpdateAnswer);

    // Nine characters never start reading, however long they wait.
    EXPECT_EQ(receive("VRD_Conn\r"), QByteArray());
    EXPECT_EQ(receive("VRD_Connect\r"), QByteArray("VRD_Connected\r"));

    const QByteArray request = "VRD_Connect\r";
    for (qsizetype cut = 1; cut < request.size(); ++cut) {
        const QByteArray first = receive(request.left(cut));
        EXPECT_EQ(first + receive(request.mid(cut)), QByteArray("VRD_Connected\r")) << cut;
    }
    QByteArray answered;
    for (char c : QByteArray("VRD_Update\r"))
        answered += receive(QByteArray(1, c));
    EXPECT_EQ(answered, kUpdateAnswer);
}

TEST_F(Protocol, GarbageOverlongLinesAndHighBytesGoUnansweredButDoNotBlockLaterRequests) {
    const char garbage[] = "noise\r\x80\xFF\xE5\x01\x7F\0zz\r\r\r\rVRD_Connect\r";
    EXPECT_EQ(receive(QByteArray(garbage, sizeof garbage - 1)), QByteArray("VRD_Connected\r"));

    const QByteArray endless(100000, 'V');
    EXPECT_EQ(receive(endless), QByteArray());
    EXPECT_EQ(receive("VRD_Connect\r"), QByteArray()); // the end of that same long line
    EXPECT_EQ(receive("VRD_Connect\r"), QByteArray("VRD_Connected\r"));

    // A valid request followed by more characters on its line is another request.
    EXPECT_EQ(receive("VRD_Connect"), QByteArray());
    EXPECT_EQ(receive(QByteArray(5000, '\xE5')), QByteArray());
    EXPECT_EQ(receive("\rVRD_Update\r"), kUpdateAnswer);

    QByteArray burst;
    for (int i = 0; i < 200; ++i)
        burst += "VRD_Update\r";
    EXPECT_EQ(receive(burst), kUpdateAnswer);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(receive("VRD_Update\r"), kUpdateAnswer) << i;

    // Reopening the port forgets a request left half-way.
    EXPECT_EQ(receive("VRD_Connect"), QByteArray());
    protocol.Reset();
    EXPECT_EQ(receive("\r"), QByteArray());
    EXPECT_EQ(receive("VRD_Connect\r"), QByteArray("VRD_Connected\r"));
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
