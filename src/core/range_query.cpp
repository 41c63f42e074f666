// Inverse log-log interpolation in the csda-range column.
#include "core/range_query.h"

#include <algorithm>
#include <cmath>

#include "core/exact_math.h"

namespace velmora {

bool CsdaRangeRises(const MaterialTable& table) {
    if (!(table.CsdaRange[kFirstRow] > 0.0 && table.EnergyMeV[kFirstRow] > 0.0)) {
        return false;
    }
    for (int row = kFirstRow + 1; row <= kLastRow; ++row) {
        if (!(table.CsdaRange[row] > table.CsdaRange[row - 1]) ||
            !(table.EnergyMeV[row] > table.EnergyMeV[row - 1])) {
            return false;
        }
    }
    return true;
}

std::optional<double> EnergyForCsdaRange(const MaterialTable& table, double csdaRange) {
    const TableColumn& range = table.CsdaRange;
    // NaN fails the comparisons too.
    if (!(csdaRange >= range[kFirstRow] && csdaRange <= range[kLastRow]) ||
        !CsdaRangeRises(table)) {
        return std::nullopt;
    }
    int upper = kFirstRow;
    while (range[upper] < csdaRange) {
        ++upper;
    }
    if (range[upper] == csdaRange) {
        return table.EnergyMeV[upper];  // a tabulated range: its energy as it stands
    }
    // ln E on the straight line through (ln R, ln E) of rows upper-1 and upper: the forward line
    // ln R = a - (a - b)(e1 - x)/(e1 - e0) solved for x.
    const double lowerEnergy = table.EnergyMeV[upper - 1];
    const double upperEnergy = table.EnergyMeV[upper];
    const double a = ExactLog(range[upper]);
    const double b = ExactLog(range[upper - 1]);
    const double e1 = ExactLog(upperEnergy);
    const double e0 = ExactLog(lowerEnergy);
    const double y = ExactLog(csdaRange);
    const double x = e1 - (a - y) * (e1 - e0) / (a - b);
    // Rounding must not move the energy out of the pair of rows it belongs to.
    return std::clamp(ExactExp(x), lowerEnergy, upperEnergy);
}

}  // namespace velmora
