#pragma once

#include <functional>

namespace veltra {

// Told the percentage done (0 to 100) after each row of a long listing; the main window shows
// it in its progress bar.
using ProgressReport = std::function<void(int)>;

// The percentage after row `row` (0-based) of `count` rows. A single row is the whole list.
inline int ListProgress(int row, int count) {
    return count <= 1 ? 100 : row * 100 / (count - 1);
}

inline void ReportRow(const ProgressReport& progress, int row, int count) {
    if (progress)
        progress(ListProgress(row, count));
}

} // namespace veltra
