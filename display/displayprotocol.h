#pragma once

#include "core/contest.h"
#include "core/status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace veltra {

// The requests of a results display board, each ended by a carriage return.
inline constexpr char kConnectRequest[] = "VRD_Connect";
inline constexpr char kConnectAnswer[] = "VRD_Connected";
inline constexpr char kUpdateRequest[] = "VRD_Update";

// Reading of a request starts once this many characters wait (the shortest request plus its
// carriage return is one more), so a board's request normally arrives whole before it is read.
inline constexpr qsizetype kRequestThreshold = 10;

// What one receive event makes the program send: each line goes to the port as one write.
struct DisplayAnswer {
    QList<QByteArray> lines;
    // Set when the results file could not be re-read for an update, and only the first time that
    // fault shows; the answer was still sent from the points rebuilt from the stored marks.
    QString message;
};

// The answer to "VRD_Update": the header line, then one line per pilot in pilot table order with
// the points of every round, all in Windows-1252, each line ended by a carriage return.
QByteArray DisplayHeaderLine(const Contest& contest);
QByteArray DisplayPilotLine(const Contest& contest, int pilotIndex);

// The program's side of the display link: bytes from the line in, the answers out, no port.
// A request that arrives in pieces is kept and completed by later receive events; nothing here
// ever waits for the line.
//
// An update answers with the points of the results file, read into the prepared results, a
// copy of the competition: the points in memory belong to whoever is working on them (the score
// entry window keeps the points being typed there until it stores them), and a board's request
// must not undo them.
class DisplayProtocol {
  public:
    DisplayProtocol(const Contest& contest, const Workspace& work);

    // Handles the characters that have just arrived.
    DisplayAnswer Receive(QByteArrayView arrived);

    // The port was (re)opened: nothing kept from before counts.
    void Reset();

  private:
    void keep(QByteArrayView part);
    QList<QByteArray> updateAnswer(QString& message);

    const Contest& contest_;
    const Workspace& work_;
    QByteArray waiting_;     // the input buffer: received, not yet read
    QByteArray request_;     // read so far of a request whose carriage return has not come
    bool reading_ = false;   // a request has been started and is not ended yet
    QString lastScoreFault_; // the fault last reported, so that a lasting one is told once
};

} // namespace veltra
