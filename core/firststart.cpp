#include "core/firststart.h"

#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltra {
namespace {

const QString kDemoFolder = QStringLiteral("examples/demo");

Status copyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return Status::failure(
            QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(to)));
    for (const QFileInfo& file : QDir(from).entryInfoList(QDir::Files)) {
        const QString target = to + u'/' + file.fileName();
        if (!QFileInfo::exists(target) && !QFile::copy(file.absoluteFilePath(), target))
            return Status::failure(QStringLiteral("The demo contest could not be copied to %1.")
                                       .arg(QDir::toNativeSeparators(to)));
    }
    return Status::success();
}

} // namespace

Status PrepareFirstStart(const QString& programDir, const QString& shippedFilesDir) {
    const QString settingsFile = QString::fromLatin1(SettingsFileName);
    if (QFileInfo::exists(programDir + u'/' + settingsFile))
        return Status::success();
    const QString shippedDemo = shippedFilesDir + u'/' + kDemoFolder;
    const QStringList contests =
        QDir(shippedDemo).entryList({QStringLiteral("*.cnt")}, QDir::Files);
    if (contests.isEmpty())
        return Status::success();
    const QString demo = programDir + u'/' + kDemoFolder;
    if (const Status copied = copyFolder(shippedDemo, demo); !copied)
        return copied;
    Settings settings;
    settings.LanguageFile = QStringLiteral("English.lng");
    UpdateQuickSelection(settings, contests.first(), demo + u'/');
    return SaveConfigFile(settingsFile, programDir, settings);
}

QString DemoContestPath(const QString& programDir) {
    const QDir demo(programDir + u'/' + kDemoFolder);
    const QStringList contests = demo.entryList({QStringLiteral("*.cnt")}, QDir::Files);
    return contests.isEmpty() ? QString() : demo.filePath(contests.first());
}

} // namespace veltra
