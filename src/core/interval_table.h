// The equal-interval table: collision and radiative stopping powers at up to 5001 energies.
#pragma once

#include <array>

namespace velmora {

inline constexpr int kLastIntervalRow = 5000;

struct IntervalTable {
    // Row i holds at [1] the collision and at [2] the radiative mass stopping power (MeV cm2/g)
    // at the row's energy; [0] is never used. Energies are not stored: they are recomputed.
    std::array<std::array<double, 3>, kLastIntervalRow + 1> rows{};
};

}  // namespace velmora
