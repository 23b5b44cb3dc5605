#include "core/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace veltra {

Status SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        return Status::failure(QStringLiteral("Could not write the file\n%1\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), reason));
    };
    // Unbuffered, so that a full disk fails the write itself: a buffered write succeeds and
    // the flush that fails later does not stop the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    if (QFileInfo(path).size() != bytes.size())
        return Status::failure(QStringLiteral("Could not write the file\n%1\n\n%2 / %3")
                                   .arg(QDir::toNativeSeparators(path))
                                   .arg(QFileInfo(path).size())
                                   .arg(bytes.size()));
    return Status::success();
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace veltra
