#include "core/programdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace veltra {
namespace {

bool isWritableDir(const QString& path) {
    if (!QFileInfo(path).isDir())
        return false;
    QTemporaryFile probe(path + QStringLiteral("/.veltra-probe-XXXXXX"));
    return probe.open();
}

// A build tree or an unpacked portable copy keeps its files beside the executable; an
// installed program never writes into its own folder.
bool isPortable(const QString& executableDir) {
    const bool portableLayout = QFileInfo(executableDir + QStringLiteral("/shipped")).isDir() ||
                                QFileInfo::exists(executableDir + QStringLiteral("/Veltra.ini"));
    return portableLayout && isWritableDir(executableDir);
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

Status FillProgramDir(const QString& programDir, const QString& shippedFilesDir) {
    if (shippedFilesDir.isEmpty() || QDir(shippedFilesDir) == QDir(programDir))
        return Status::success();
    const QDir shipped(shippedFilesDir);
    for (const QFileInfo& info : shipped.entryInfoList(QDir::Files)) {
        const QString target = programDir + u'/' + info.fileName();
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(info.absoluteFilePath(), target))
            return Status::failure(QStringLiteral("Could not copy %1 into %2")
                                       .arg(info.fileName(), QDir::toNativeSeparators(programDir)));
    }
    return Status::success();
}

ProgramDirChoice ResolveProgramDir(const QString& executableDir, const QString& shippedFilesDir) {
    const QString home = qEnvironmentVariable("VELTRA_HOME");
    QString chosen;
    if (!home.isEmpty()) {
        chosen = withoutTrailingSlash(QDir::cleanPath(QDir(home).absolutePath()));
        if (!QDir().mkpath(chosen))
            return {chosen, Status::failure(QStringLiteral("The folder %1 named by VELTRA_HOME "
                                                           "cannot be created.")
                                                .arg(QDir::toNativeSeparators(chosen)))};
    } else if (isPortable(executableDir)) {
        chosen = withoutTrailingSlash(executableDir);
    } else {
        chosen = withoutTrailingSlash(
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
        if (!QDir().mkpath(chosen))
            return {chosen, Status::failure(QStringLiteral("The folder %1 cannot be created.")
                                                .arg(QDir::toNativeSeparators(chosen)))};
    }
    return {chosen, FillProgramDir(chosen, shippedFilesDir)};
}

} // namespace veltra
