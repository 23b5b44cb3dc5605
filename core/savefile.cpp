#include "core/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

namespace veltra {

Status SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    return SaveFilesTogether({{path, bytes}});
}

Status SaveFilesTogether(const std::vector<std::pair<QString, QByteArray>>& files) {
    const auto failure = [](const QString& path, const QString& reason) {
        return Status::failure(QStringLiteral("Could not write the file\n%1\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), reason));
    };
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const auto& [path, bytes] : files) {
        auto& file = *written.emplace_back(std::make_unique<QSaveFile>(path));
        // Unbuffered, so that a full disk fails the write itself: a buffered write succeeds
        // and the flush that fails later does not stop the commit.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            file.write(bytes) != bytes.size() || !file.flush()) {
            const QString reason = file.errorString();
            for (const auto& each : written)
                each->cancelWriting();
            return failure(path, reason);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        QSaveFile& file = *written[i];
        const auto& [path, bytes] = files[i];
        if (!file.commit())
            return failure(path, file.errorString());
        if (const qint64 size = QFileInfo(path).size(); size != bytes.size())
            return failure(path, QStringLiteral("%1 / %2").arg(size).arg(bytes.size()));
    }
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
