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

} // namespace veltra
