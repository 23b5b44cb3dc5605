#pragma once

namespace veltra {

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
