#pragma once

#include "core/status.h"

#include <QString>

namespace veltra {

// On the first start in a program folder (no settings file yet) the demo contest shipped with
// the program is copied into the folder's "examples/demo" and listed in the recent-files menu,
// so a new user sees a real contest at once. Later starts change nothing.
Status PrepareFirstStart(const QString& programDir, const QString& shippedFilesDir);

// The demo contest's competition file where the first start puts it; empty when there is none.
QString DemoContestPath(const QString& programDir);

} // namespace veltra
