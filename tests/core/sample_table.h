// A made-up material table for tests of the look-ups: 81 energies from 0.01 to 1000 MeV, 16 per
// decade; the csda range is a power law (a straight line in log-log), the collision stopping
// power is curved.
#pragma once

#include <cmath>

#include "core/material_table.h"

namespace velmora {

inline MaterialTable SampleTable() {
    MaterialTable table;
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row] = std::pow(10.0, (row - 1) / 16.0 - 2);
        table.CollisionSP[row] = 2.0 + 20.0 / (e + 0.05);
        table.RadiativeSP[row] = 0.01 * e * (1.0 + 0.1 * std::log(e + 1.0));
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.4 * std::pow(e, 1.7);
    }
    return table;
}

}  // namespace velmora
