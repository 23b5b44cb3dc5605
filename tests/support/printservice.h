#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// A print service of a test's own: cupsd with its configuration, spool, logs and socket in a
// temporary folder, reached by the program through CUPS_SERVER, so the computer's own print
// service and printers are left alone. Its queues print with the cups-pdf backend, which CUPS
// runs only for root.
class PrintService {
  public:
    // A job as it waits in a queue: its name and its document.
    struct Job {
        QString name;
        QByteArray document;
    };

    // Why no print service of the test's own can run here, or empty.
    static QString unavailable() {
        if (geteuid() != 0)
            return QStringLiteral("the test's print service must run as root, the only user CUPS "
                                  "runs the cups-pdf backend for");
        if (program("cupsd").isEmpty() || program("lpadmin").isEmpty())
            return QStringLiteral("cupsd or lpadmin is missing: ./dev installs the package cups");
        if (!QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")) ||
            !QFile::exists(QString::fromLatin1(Ppd)))
            return QStringLiteral("cups-pdf is missing: ./dev installs printer-driver-cups-pdf");
        return QString();
    }

    // Starts cupsd and waits until it answers.
    bool start() {
        const QString root = folder_.path();
        chmod(QFile::encodeName(root).constData(), 0755);
        for (const char* sub : {"spool", "cache", "state", "log", "ppd", "tmp"})
            QDir(root).mkdir(QString::fromLatin1(sub));
        // The filters run as the user lp and keep their files here.
        chmod(QFile::encodeName(path("tmp")).constData(), 01777);
        write("cupsd.conf", QStringLiteral("Listen %1/cups.sock\nBrowsing Off\nWebInterface No\n"
                                           "DefaultAuthType None\nDirtyCleanInterval 0\n"
                                           "<Policy default>\n<Limit All>\nOrder allow,deny\n"
                                           "Allow all\n</Limit>\n</Policy>\n")
                                .arg(root));
        write("cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                             "StateDir %1/state\nTempDir %1/tmp\nAccessLog %1/log/access_log\n"
                             "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "Printcap %1/printcap\n")
                  .arg(root));
        cupsd_.start(program("cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), path("cupsd.conf"),
                      QStringLiteral("-s"), path("cups-files.conf")});
        return cupsd_.waitForStarted() && QTest::qWaitFor([this] {
                   return output("lpstat", {QStringLiteral("-r")})
                       .startsWith("scheduler is running");
               });
    }

    ~PrintService() {
        thaw();
        stop();
    }

    QString socket() const { return path("cups.sock"); }

    // Runs a CUPS program on this service, lpadmin, cupsreject and the like; whether it did.
    bool run(const char* name, const QStringList& arguments) const {
        QProcess process;
        output(name, arguments, &process);
        return process.error() == QProcess::UnknownError && process.exitCode() == 0;
    }

    // A queue printing with cups-pdf, the default printer. It is stopped, so that the jobs wait
    // in it and cups-pdf writes no files of its own.
    bool addQueue(const QString& name) const {
        return run("lpadmin", {QStringLiteral("-p"), name, QStringLiteral("-E"),
                               QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                               QStringLiteral("-P"), QString::fromLatin1(Ppd)}) &&
               run("lpadmin", {QStringLiteral("-d"), name}) && run("cupsdisable", {name});
    }

    // The jobs taken, in the order they came, as the spool folder holds them. A control file
    // holds the job's name as IPP does: the attribute's name, two bytes of length, the value.
    std::vector<Job> jobs() const {
        std::vector<Job> found;
        const QDir spool(path("spool"));
        const QByteArray key("job-name");
        for (const QString& control : spool.entryList({QStringLiteral("c*")}, QDir::Files)) {
            QFile file(spool.filePath(control));
            const QByteArray attributes = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            const qsizetype at = attributes.indexOf(key) + key.size();
            if (at < key.size() || at + 2 > attributes.size())
                continue;
            const int length = static_cast<unsigned char>(attributes[at]) * 256 +
                               static_cast<unsigned char>(attributes[at + 1]);
            QFile document(spool.filePath(u'd' + control.mid(1) + QStringLiteral("-001")));
            found.push_back({QString::fromUtf8(attributes.mid(at + 2, length)),
                             document.open(QIODevice::ReadOnly) ? document.readAll() : ""});
        }
        return found;
    }

    // The service stops answering, as when it hangs, and goes on again.
    void freeze() { sendSignal(SIGSTOP); }
    void thaw() { sendSignal(SIGCONT); }
    void stop() {
        cupsd_.terminate();
        cupsd_.waitForFinished();
    }

  private:
    static constexpr const char* Ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    static QString program(const char* name) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        return !found.isEmpty() ? found
                                : QStandardPaths::findExecutable(QString::fromLatin1(name),
                                                                 {QStringLiteral("/usr/sbin")});
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QString& text) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toLocal8Bit());
    }
    // What the program wrote, or nothing when it did not run to its end.
    QByteArray output(const char* name, const QStringList& arguments,
                      QProcess* process = nullptr) const {
        QProcess own;
        QProcess& running = process ? *process : own;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), socket());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        running.setProcessEnvironment(environment);
        running.start(program(name), arguments);
        return running.waitForFinished() && running.exitStatus() == QProcess::NormalExit
                   ? running.readAllStandardOutput()
                   : QByteArray();
    }
    void sendSignal(int number) {
        if (cupsd_.state() == QProcess::Running)
            kill(static_cast<pid_t>(cupsd_.processId()), number);
    }

    QTemporaryDir folder_;
    QProcess cupsd_;
};
