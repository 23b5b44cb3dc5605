#include "reports/startorder.h"

namespace veltra {

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
