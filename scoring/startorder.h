#pragma once

#include "core/contest.h"

#include <cstdint>
#include <random>

namespace veltra {

// A uniform random number in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Seeded from the clock when made, so no two draws repeat.
class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    double next() override;

  private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

inline constexpr int MinPilotsToDraw = 4;
inline constexpr int DrawsPerPosition = 100;
inline constexpr int RepairPasses = 100;

// Shuffles the pilot records into a new start order that keeps pilots on the same channel
// apart where it can, then renumbers the start numbers from StartNoOffset. Returns false and
// changes nothing when there are fewer than four pilots.
bool DrawStartOrder(Contest& contest, RandomSource& random);

// Every round flies the drawn start order rotated to another first pilot.
enum class RotationRule {
    // (round − 1) × pilots / rounds, rounded half to even.
    Formula,
    // The same, but every round starts with the first pilot when there are fewer pilots than
    // rounds.
    FirstPilotWhenFewer,
};

// The index of the pilot who flies first in `round` (counted from 1); 0 without pilots or
// rounds, and always a valid index otherwise.
int FirstPilotOfRound(int round, int pilotCount, int rounds, RotationRule rule);

// The index of the pilot who flies at `row` (from 0) of a round that starts with `first`.
int PilotAtRow(int first, int row, int pilotCount);

} // namespace veltra
