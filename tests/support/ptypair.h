#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTest>

// Two pseudo-terminals joined by socat: the program opens one end, a test plays the display
// board on the other.
class PtyPair {
  public:
    // socat's path, or empty where it is not installed.
    static QString socat() { return QStandardPaths::findExecutable(QStringLiteral("socat")); }

    bool start(const QString& folder) {
        programEnd = folder + QStringLiteral("/program");
        boardEnd = folder + QStringLiteral("/board");
        process.start(socat(), {QStringLiteral("pty,raw,echo=0,link=") + programEnd,
                                QStringLiteral("pty,raw,echo=0,link=") + boardEnd});
        return process.waitForStarted() && QTest::qWaitFor([this] {
                   return QFileInfo::exists(programEnd) && QFileInfo::exists(boardEnd);
               });
    }

    // Both ends vanish at once, as when the cable is pulled out.
    void pull() {
        process.kill();
        process.waitForFinished();
    }

    ~PtyPair() { pull(); }

    QProcess process;
    QString programEnd;
    QString boardEnd;
};

inline constexpr const char* kNoSocat =
    "socat is not installed; the serial line tests need it (apt-get install socat).";
