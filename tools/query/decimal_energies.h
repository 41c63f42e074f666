// The energies of an equal-interval table as the decimals a user would write: the start plus k
// times the interval in exact decimal arithmetic, so that 0.1 + 2 x 0.3 is 0.7, not the binary
// sum 0.7000000000000001.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::query {

// The energies of rows 0 to lastRow: the double nearest to start + k x step, each computed
// exactly in decimal and then rounded once. Nullopt when start or step is not a strict decimal
// number, or when an energy would need more than 15 significant digits (a double then no longer
// prints as the decimal it stands for).
std::optional<std::vector<double>> DecimalRowEnergies(std::string_view start, std::string_view step,
                                                      int lastRow);

}  // namespace velmora::query
