#pragma once

#include "core/status.h"
#include "reports/printtarget.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QProcess;

namespace veltra {

// One print job: a document of a report as a PDF file, with its name in the printer's queue.
struct PrintJob {
    QString name;
    QByteArray pdf;
};

// Draws the report and makes each of its documents a print job of its own, at the print quality
// the document asks for, named by its page set-up or else `name`. A failure is kept in `status`.
std::vector<PrintJob> PrintJobsOf(const QString& name, const Report& report, Status& status);

// How handing jobs to the printer ended.
struct QueueResult {
    enum class Outcome {
        Printed,       // every job was accepted
        NoPrintSystem, // the computer has no print service to print with
        ServiceDown,   // the print service does not run
        NoAnswer,      // the print service did not answer within the time limit
        NoPrinter,     // the print service knows no printer
        Refused,       // the printer did not accept a job
        NotDrawn,      // the report could not be drawn
    };
    Outcome outcome = Outcome::Printed;
    QString printer; // the printer the jobs went to or that refused them
    QString detail;  // the print service's own words on a refusal, or why nothing was drawn
};

// The computer's printer. Each document of a report is drawn as a PDF file and handed to the
// print service through its command-line client (CUPS: lpstat finds the printer, lp hands each
// job over, asking for the print quality). The client runs as a program of its own, one at a
// time, so the windows go on while a job is handed over; a client that has not answered within
// the time limit is stopped and the hand-over given up. Hand-overs asked for while one runs wait
// their turn; a failure gives them up too, since they would meet it again. On Windows the report
// is drawn straight onto the printer's own driver instead, at once.
class PrintQueue final : public QObject {
    Q_OBJECT

  public:
    static constexpr int TimeLimitMilliseconds = 4000;

    explicit PrintQueue(QObject* parent = nullptr);
    ~PrintQueue() override;

    // Draws the report, each document a job named as PrintJobsOf() names it, and hands the jobs
    // to the default printer, or the first one when none is the default.
    void submit(const QString& name, const Report& report, int quality);
    bool busy() const { return !waiting_.empty(); }

  signals:
    // After each hand-over that succeeded, and once after a failure.
    void finished(const veltra::QueueResult& result);
    void busyChanged(bool busy);

  private:
    struct Submission {
        std::vector<PrintJob> jobs;
        int quality;
    };
    struct Answer {
        enum class Kind { Ran, FailedToStart, TimedOut } kind;
        QString out;
        QString err;
        int exitCode;
    };

    void lookUp();
    void send(std::size_t job);
    void finish(const QueueResult& result);
    // Runs a client program with `input` on its standard input, then `then` with its answer.
    void run(const QString& program, const QStringList& arguments, const QByteArray& input,
             std::function<void(const Answer&)> then);
    void answered(const Answer& answer);

    std::deque<Submission> waiting_;
    QString printer_;
    std::unique_ptr<QProcess> client_;
    std::function<void(const Answer&)> then_;
    QTimer limit_;
};

} // namespace veltra
