#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>
#include <unistd.h>
#include <vector>

// A print service of a test's own: cupsd with its configuration, spool, log and socket in a
// temporary folder, reached by the program through CUPS_SERVER, so the computer's own print
// service and printers are left alone. Its queues print with the cups-pdf backend, which CUPS
// runs only for root.
class PrintService {
  public:
    // A job as it waits in a queue: its name and the pages of its document.
    struct Job {
        QString name;
        QByteArray document;
    };

    // Why no print service of its own can run here, or empty.
    static QString unavailable() {
        if (geteuid() != 0)
            return QStringLiteral("the print service of the test must run as root, the only user "
                                  "CUPS runs the cups-pdf backend for");
        if (program("cupsd").isEmpty() || program("lpadmin").isEmpty())
            return QStringLiteral("cupsd or lpadmin is missing: ./dev installs the package cups");
        if (!QFile::exists(QString::fromLatin1(Backend)) ||
            !QFile::exists(QString::fromLatin1(Ppd)))
            return QStringLiteral(
                "the cups-pdf backend is missing: ./dev installs printer-driver-cups-pdf");
        return QString();
    }

    // Starts cupsd and waits until it answers.
    bool start() {
        if (!folder_.isValid())
            return false;
        QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther);
        for (const char* sub : {"spool", "cache", "state", "log", "ppd", "tmp"})
            QDir(folder_.path()).mkdir(QString::fromLatin1(sub));
        // The filters run as the user lp and keep their files here.
        chmod(path("tmp").toLocal8Bit().constData(), 01777);
        const QByteArray root = folder_.path().toLocal8Bit();
        write("cupsd.conf", "Listen " + root +
                                "/cups.sock\nBrowsing Off\nWebInterface No\nLogLevel warn\n"
                                "DefaultAuthType None\nDirtyCleanInterval 0\n"
                                "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n"
                                "</Limit>\n</Policy>\n");
        write("cups-files.conf",
              "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " + root +
                  "/cache\nStateDir " + root + "/state\nTempDir " + root + "/tmp\nAccessLog " +
                  root + "/log/access_log\nErrorLog " + root + "/log/error_log\nPageLog " + root +
                  "/log/page_log\nPrintcap " + root + "/printcap\n");
        cupsd_.start(program("cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), path("cupsd.conf"),
                      QStringLiteral("-s"), path("cups-files.conf")});
        return cupsd_.waitForStarted() && QTest::qWaitFor([this] {
                   QProcess status;
                   status.setProcessEnvironment(environment());
                   status.start(program("lpstat"), {QStringLiteral("-r")});
                   return status.waitForFinished() &&
                          status.readAllStandardOutput().startsWith("scheduler is running");
               });
    }

    ~PrintService() {
        thaw();
        stop();
    }

    QString socket() const { return path("cups.sock"); }

    // Runs one of CUPS's administration programs on this service: lpadmin, cupsreject, ...
    bool run(const char* name, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program(name), arguments);
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    // A queue printing with cups-pdf, the default printer. It is stopped, so the jobs wait in
    // it and cups-pdf writes no files of its own.
    bool addQueue(const QString& name) const {
        return run("lpadmin", {QStringLiteral("-p"), name, QStringLiteral("-E"),
                               QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                               QStringLiteral("-P"), QString::fromLatin1(Ppd)}) &&
               run("lpadmin", {QStringLiteral("-d"), name}) && run("cupsdisable", {name});
    }

    // The jobs taken, in the order they came, read from the spool folder.
    std::vector<Job> jobs() const {
        std::vector<Job> found;
        const QDir spool(path("spool"));
        for (const QString& control :
             spool.entryList({QStringLiteral("c*")}, QDir::Files, QDir::Name)) {
            QFile file(spool.filePath(control));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            // An IPP attribute: its name, the length of its value in two bytes, the value.
            const QByteArray attributes = file.readAll();
            const QByteArray key("job-name");
            if (!attributes.contains(key))
                continue;
            const qsizetype at = attributes.indexOf(key) + key.size();
            const int length = (static_cast<unsigned char>(attributes.at(at)) << 8) |
                               static_cast<unsigned char>(attributes.at(at + 1));
            QFile document(spool.filePath(u'd' + control.mid(1) + QStringLiteral("-001")));
            document.open(QIODevice::ReadOnly);
            found.push_back(
                {QString::fromUtf8(attributes.mid(at + 2, length)), document.readAll()});
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
    static constexpr const char* Backend = "/usr/lib/cups/backend/cups-pdf";
    static constexpr const char* Ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    static QString program(const char* name) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        return found.isEmpty() ? QStandardPaths::findExecutable(QString::fromLatin1(name),
                                                                {QStringLiteral("/usr/sbin"),
                                                                 QStringLiteral("/usr/local/sbin")})
                               : found;
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), socket());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        return environment;
    }
    void write(const char* name, const QByteArray& text) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    void sendSignal(int number) {
        if (cupsd_.state() == QProcess::Running)
            kill(static_cast<pid_t>(cupsd_.processId()), number);
    }

    QTemporaryDir folder_;
    QProcess cupsd_;
};
