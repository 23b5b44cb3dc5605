#include "reports/printqueue.h"

#include "core/appstate.h"
#include "reports/pagedtarget.h"
#include "reports/printoutput.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>

namespace veltra {
namespace {

// Each document on a PDF writer of its own.
class JobRecorder final : public PrintTarget {
  public:
    explicit JobRecorder(const QString& name) : name_(name) {}

    std::vector<PrintJob> jobs;
    Status status;

    void beginDocument(const PageSetup& setup) override {
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(buffer_.get());
        jobName_ = setup.name.isEmpty() ? name_ : setup.name;
        writer_->setCreator(QString::fromLatin1(MainCaption));
        writer_->setTitle(jobName_);
        page_ = std::make_unique<PagedTarget>(*writer_, PagedTarget::Jobs::Joined);
        page_->beginDocument(setup);
    }
    int pageWidth() const override { return page_->pageWidth(); }
    int pageHeight() const override { return page_->pageHeight(); }
    void setFontName(const QString& name) override { page_->setFontName(name); }
    void setFontSize(int points) override { page_->setFontSize(points); }
    void setBold(bool on) override { page_->setBold(on); }
    void setItalic(bool on) override { page_->setItalic(on); }
    int textWidth(const QString& text) const override { return page_->textWidth(text); }
    void SetPrintPosition(int x, int y) override { page_->SetPrintPosition(x, y); }
    void DrawPrintLine(int style, int width, int x1, int y1, int x2, int y2) override {
        page_->DrawPrintLine(style, width, x1, y1, x2, y2);
    }
    void printLine(const QString& text) override { page_->printLine(text); }
    void setRunningHeading(const QStringList& lines) override { page_->setRunningHeading(lines); }
    void newPage() override { page_->newPage(); }
    void endDocument() override {
        page_->endDocument();
        const Status drawn = page_->finish();
        page_.reset();
        writer_.reset();
        if (drawn)
            jobs.push_back({jobName_, buffer_->data()});
        else if (status)
            status = drawn;
    }

  private:
    QString name_;
    QString jobName_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PagedTarget> page_;
};

// The IPP print quality of each of the program's qualities: draft, normal or high.
int IppPrintQuality(int quality) {
    switch (quality) {
    case -1:
    case -2:
        return 3;
    case -4:
        return 5;
    default:
        return 4;
    }
}

} // namespace

std::vector<PrintJob> PrintJobsOf(const QString& name, const Report& report, Status& status) {
    JobRecorder recorder(name);
    report(recorder);
    status = recorder.status;
    return std::move(recorder.jobs);
}

PrintQueue::PrintQueue(QObject* parent) : QObject(parent) {
    limit_.setSingleShot(true);
    limit_.setInterval(TimeLimitMilliseconds);
    connect(&limit_, &QTimer::timeout, this, [this] {
        answered({Answer::Kind::TimedOut, QString(), QString(), -1});
    });
}

// A client still running is stopped; the jobs waiting are not handed over.
PrintQueue::~PrintQueue() {
    if (client_) {
        client_->disconnect(this);
        client_->kill();
        client_->waitForFinished();
    }
}

#ifdef Q_OS_WIN

void PrintQueue::submit(const QString& name, const Report& report, int) {
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        emit finished({QueueResult::Outcome::NoPrinter, QString(), QString()});
        return;
    }
    printer.setDocName(name);
    const Status printed = PrintToPrinter(printer, report);
    emit finished({printed ? QueueResult::Outcome::Printed : QueueResult::Outcome::NotDrawn,
                   printer.printerName(), printed.message});
}

#else

void PrintQueue::submit(const QString& name, const Report& report, int quality) {
    Status drawn;
    std::vector<PrintJob> jobs = PrintJobsOf(name, report, drawn);
    if (!drawn) {
        emit finished({QueueResult::Outcome::NotDrawn, QString(), drawn.message});
        return;
    }
    if (jobs.empty())
        return;
    waiting_.push_back({std::move(jobs), quality});
    if (waiting_.size() == 1) {
        emit busyChanged(true);
        lookUp();
    }
}

#endif

void PrintQueue::run(const QString& program, const QStringList& arguments, const QByteArray& input,
                     std::function<void(const Answer&)> then) {
    then_ = std::move(then);
    client_ = std::make_unique<QProcess>();
    // The client's words in English, which are read here and shown as they stand.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    client_->setProcessEnvironment(environment);
    connect(client_.get(), &QProcess::finished, this, [this](int exitCode) {
        answered({Answer::Kind::Ran, QString::fromUtf8(client_->readAllStandardOutput()),
                  QString::fromUtf8(client_->readAllStandardError()).trimmed(), exitCode});
    });
    connect(client_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answered({Answer::Kind::FailedToStart, QString(), client_->errorString(), -1});
    });
    limit_.start();
    QProcess* const client = client_.get();
    client->start(program, arguments);
    // A client that could not be started has been answered for, and is gone, already.
    if (client_.get() == client && !input.isEmpty()) {
        client->write(input);
        client->closeWriteChannel();
    }
}

void PrintQueue::answered(const Answer& answer) {
    limit_.stop();
    client_->disconnect(this);
    QProcess* const client = client_.release();
    if (client->state() != QProcess::NotRunning)
        client->kill();
    client->deleteLater();
    std::function<void(const Answer&)> then = std::move(then_);
    then(answer);
}

void PrintQueue::lookUp() {
    run(QStringLiteral("lpstat"),
        {QStringLiteral("-r"), QStringLiteral("-d"), QStringLiteral("-e")}, QByteArray(),
        [this](const Answer& answer) {
            if (answer.kind == Answer::Kind::FailedToStart)
                return finish({QueueResult::Outcome::NoPrintSystem, QString(), answer.err});
            if (answer.kind == Answer::Kind::TimedOut)
                return finish({QueueResult::Outcome::NoAnswer, QString(), QString()});
            const QString defaultIs = QStringLiteral("system default destination: ");
            QString first;
            printer_.clear();
            for (const QString& line : answer.out.split(u'\n', Qt::SkipEmptyParts)) {
                if (line == QLatin1String("scheduler is not running"))
                    return finish({QueueResult::Outcome::ServiceDown, QString(), answer.err});
                if (line.startsWith(defaultIs))
                    printer_ = line.mid(defaultIs.size()).trimmed();
                else if (first.isEmpty() && !line.contains(u' '))
                    first = line.trimmed();
            }
            if (printer_.isEmpty())
                printer_ = first;
            if (printer_.isEmpty())
                return finish({QueueResult::Outcome::NoPrinter, QString(), answer.err});
            send(0);
        });
}

void PrintQueue::send(std::size_t job) {
    const Submission& submission = waiting_.front();
    if (job == submission.jobs.size())
        return finish({QueueResult::Outcome::Printed, printer_, QString()});
    const PrintJob& printJob = submission.jobs[job];
    const QStringList arguments{
        QStringLiteral("-d"),
        printer_,
        QStringLiteral("-t"),
        printJob.name,
        QStringLiteral("-o"),
        QStringLiteral("print-quality=%1").arg(IppPrintQuality(submission.quality))};
    run(QStringLiteral("lp"), arguments, printJob.pdf, [this, job](const Answer& answer) {
        if (answer.kind == Answer::Kind::FailedToStart)
            return finish({QueueResult::Outcome::NoPrintSystem, printer_, answer.err});
        if (answer.kind == Answer::Kind::TimedOut)
            return finish({QueueResult::Outcome::NoAnswer, printer_, QString()});
        if (answer.exitCode != 0 || !answer.out.contains(QLatin1String("request id is"))) {
            return finish({QueueResult::Outcome::Refused, printer_,
                           answer.err.isEmpty() ? answer.out.trimmed() : answer.err});
        }
        send(job + 1);
    });
}

void PrintQueue::finish(const QueueResult& result) {
    if (result.outcome == QueueResult::Outcome::Printed)
        waiting_.pop_front();
    else
        waiting_.clear();
    if (waiting_.empty())
        emit busyChanged(false);
    else
        lookUp();
    emit finished(result);
}

} // namespace veltra
