#include "reports/resultorder.h"

#include <limits>

namespace veltra {
namespace {

// Repeatedly takes the unlisted entry with the smallest place; "<=" lets the later of equal
// places win. Places never exceed the count, so starting the search above every place finds
// the same entries as starting at the count.
template <typename PlaceOf> std::vector<int> ByPlace(int count, PlaceOf placeOf) {
    std::vector<bool> listed(count, false);
    std::vector<int> order;
    order.reserve(count);
    for (int row = 0; row < count; ++row) {
        int best = std::numeric_limits<int>::max();
        int chosen = 0;
        for (int i = 0; i < count; ++i) {
            if (!listed[i] && placeOf(i) <= best) {
                best = placeOf(i);
                chosen = i;
            }
        }
        listed[chosen] = true;
        order.push_back(chosen);
    }
    return order;
}

} // namespace

std::vector<int> PilotsByPlace(const Contest& contest) {
    return ByPlace(contest.PilotCount, [&](int i) { return contest.Pilots[i].Placed; });
}

std::vector<int> TeamsByPlace(const Contest& contest) {
    return ByPlace(contest.TeamCount, [&](int t) { return contest.Teams[t].Placed; });
}

} // namespace veltra
