#include "scoring/startorder.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace veltra {
namespace {

bool sameChannel(const Contest& contest, int a, int b) {
    return contest.Pilots[a].Channel == contest.Pilots[b].Channel;
}

// The candidate may not share a channel with the neighbours of position i as the list stands;
// the order is circular for the first position.
bool rejected(const Contest& contest, int i, int candidate) {
    const int n = contest.PilotCount;
    const int before = i == 0 ? n - 1 : i - 1;
    return sameChannel(contest, candidate, before) || sameChannel(contest, candidate, i + 1);
}

void shuffle(Contest& contest, RandomSource& random) {
    const int n = contest.PilotCount;
    for (int i = 0; i <= n - 2; ++i) {
        int candidate = i + 1;
        for (int draw = 1; draw <= DrawsPerPosition; ++draw) {
            candidate = static_cast<int>((n - i - 1) * random.next() + i + 1);
            candidate = std::clamp(candidate, i + 1, n - 1);
            if (!rejected(contest, i, candidate))
                break;
        }
        std::swap(contest.Pilots[i], contest.Pilots[candidate]);
    }
}

// Pushes a pilot that shares its predecessor's channel one place further down; the last two
// positions and the pair of last and first are left as they are.
void repair(Contest& contest) {
    const int n = contest.PilotCount;
    for (int pass = 0; pass < RepairPasses; ++pass) {
        bool conflict = false;
        for (int k = 0; k <= n - 3; ++k) {
            if (sameChannel(contest, k, k + 1))
                std::swap(contest.Pilots[k + 1], contest.Pilots[k + 2]);
            if (sameChannel(contest, k, k + 1))
                conflict = true;
        }
        if (!conflict)
            return;
    }
}

} // namespace

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

double ClockRandom::next() {
    return uniform_(engine_);
}

bool DrawStartOrder(Contest& contest, RandomSource& random) {
    if (contest.PilotCount < MinPilotsToDraw)
        return false;
    shuffle(contest, random);
    repair(contest);
    for (int k = 0; k < contest.PilotCount; ++k)
        contest.Pilots[k].StartNo = contest.StartNoOffset + k;
    return true;
}

int FirstPilotOfRound(int round, int pilotCount, int rounds, RotationRule rule) {
    if (pilotCount <= 0 || rounds <= 0 || round < 1)
        return 0;
    if (rule == RotationRule::FirstPilotWhenFewer && pilotCount < rounds)
        return 0;
    // Exact integer arithmetic keeps the halves recognisable for the rounding to even.
    const int numerator = (round - 1) * pilotCount;
    int first = numerator / rounds;
    const int twiceRemainder = 2 * (numerator % rounds);
    if (twiceRemainder > rounds || (twiceRemainder == rounds && first % 2 == 1))
        ++first;
    return first % pilotCount;
}

int PilotAtRow(int first, int row, int pilotCount) {
    return pilotCount > 0 ? (first + row) % pilotCount : 0;
}

} // namespace veltra
