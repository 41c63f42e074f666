// The energy at which the csda range reaches a given value: the inverse of the log-log
// interpolation in the csda-range column.
#pragma once

#include <optional>

#include "material_table.h"

namespace velmora {

// Whether the csda ranges of rows 1..81 are positive and strictly rising, so that every range
// between the first and the last belongs to exactly one energy.
bool CsdaRangeRises(const MaterialTable& table);

// The energy (MeV) whose csda range is csdaRange (g/cm2), on the straight line through the two
// bracketing rows in the plane of natural logarithms, i.e. the inverse of InterpolateLogLog in the
// csda-range column. A range equal to a tabulated one gives that row's energy exactly, as the
// energy query gives the row's range at its energy. Accepts the ranges from row 1's to row 81's;
// refuses (nullopt) NaN, any range outside, and a table whose ranges do not rise (also one never
// loaded). The energy always lies between the two bracketing rows' energies.
std::optional<double> EnergyForCsdaRange(const MaterialTable& table, double csdaRange);

}  // namespace velmora
