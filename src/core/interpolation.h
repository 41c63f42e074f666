// Log-log interpolation in the 81-row table.
#pragma once

#include "material_table.h"

namespace velmora {

// Returned by FindUpperRow for an energy above the table's last energy, which no caller may use.
inline constexpr int kEnergyAboveTable = 0;

// Upper row i (2..81) of the pair of rows i-1, i that brackets energyMeV, by a linear scan from
// row 1; an energy equal to a tabulated one selects that row; at or below row 1 it gives 2.
// The scan never reads past row 81: above EnergyMeV[81] it returns kEnergyAboveTable (so does
// every positive energy on a table that was never loaded, whose energies are all zero).
int FindUpperRow(const MaterialTable& table, double energyMeV);

// Value of one column at energyMeV on the straight line through rows i-1 and i in the plane of
// natural logarithms, evaluated in a fixed order so that every caller gets bit-identical results.
// At the energy of row i-1 or i it gives that row's value exactly. Below row 1 it extrapolates
// along rows 1 and 2. Takes no logarithm of a non-positive number:
// an upperRow outside 2..81 (kEnergyAboveTable included), an energy that is not positive, or a
// non-positive value or energy in the two rows gives NaN, which callers must refuse beforehand.
double InterpolateLogLog(const MaterialTable& table, const TableColumn& column, int upperRow,
                         double energyMeV);

// InterpolateLogLog for several columns at one energy: the logarithms of the two rows' energies
// and of the energy are taken once, and every column gets the bits InterpolateLogLog gives.
class LogLogBracket {
  public:
    LogLogBracket(const MaterialTable& table, int upperRow, double energyMeV);
    double ValueOf(const TableColumn& column) const;

  private:
    int upperRow_;
    bool usable_ = false;  // the rows exist and the energies are positive
    int exactRow_ = 0;     // the row whose energy the energy is, or 0
    double logUpper_ = 0.0;
    double logLower_ = 0.0;
    double logEnergy_ = 0.0;
};

}  // namespace velmora
