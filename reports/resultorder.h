#pragma once

#include "core/contest.h"

#include <vector>

namespace veltra {

// The order of every result listing: by place, and among equal places the one later in the
// store first. The listings take pilots and teams in this order once each.
std::vector<int> PilotsByPlace(const Contest& contest);
std::vector<int> TeamsByPlace(const Contest& contest);

} // namespace veltra
