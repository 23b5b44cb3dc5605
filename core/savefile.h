#pragma once

#include "core/status.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace veltra {

// Writes the whole file beside its target and replaces the target only when every byte was
// written. On failure the old file is untouched and the status says which file and why.
Status SaveFileAtomically(const QString& path, const QByteArray& bytes);

// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

} // namespace veltra
