#pragma once

#include "core/status.h"

#include <QString>

namespace veltra {

// The folder that holds the settings file, the schedules and the language files:
//  1. the folder named by the environment variable VELTRA_HOME, when set;
//  2. otherwise the executable's own folder, when it is a build tree or a portable copy (it holds
//     the shipped files in "shipped" or a settings file) and is writable;
//  3. otherwise a per-user data folder, filled on first use with the shipped files.
struct ProgramDirChoice {
    QString path;  // no trailing "/"
    Status status; // a failure when no usable folder could be prepared
};

ProgramDirChoice ResolveProgramDir(const QString& executableDir, const QString& shippedFilesDir);

// Copies each shipped file that the program folder does not hold yet; never overwrites.
Status FillProgramDir(const QString& programDir, const QString& shippedFilesDir);

} // namespace veltra
