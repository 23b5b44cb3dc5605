#pragma once

#include "core/status.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace veltra {

// Writes the whole file beside its target and replaces the target only when every byte was
// written. On failure the old file is untouched and the status says which file and why.
Status SaveFileAtomically(const QString& path, const QByteArray& bytes);

// Files that belong together, each written whole beside its target; the targets are replaced
// only when every file was written, so a full disk or a blocked file leaves all of them as they
// were.
Status SaveFilesTogether(const std::vector<std::pair<QString, QByteArray>>& files);

// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

} // namespace veltra
