// The four quantities at one energy: interpolated at a typed energy, or a table row as it stands.
#pragma once

#include <optional>

#include "material_table.h"

namespace velmora {

// The energies a query accepts, both ends included, in MeV.
inline constexpr double kLowestQueryEnergyMeV = 0.01;
inline constexpr double kHighestQueryEnergyMeV = 1000.0;

struct QuantitiesAtEnergy {
    double energyMeV = 0.0;
    double collision = 0.0;  // mass collision stopping power, MeV cm2/g
    double radiative = 0.0;  // mass radiative stopping power, MeV cm2/g
    double total = 0.0;      // total mass stopping power, MeV cm2/g
    double csdaRange = 0.0;  // g/cm2
};

// The four quantities at energyMeV by one row search and log-log interpolation in each column;
// at a tabulated energy they are that row's values exactly, as TabulatedRow gives them.
// Refuses (nullopt) an energy outside 0.01..1000 MeV, NaN, and an energy above the table's last
// energy, where there is no pair of rows to interpolate between; below the table's first energy
// it extrapolates along rows 1 and 2.
std::optional<QuantitiesAtEnergy> InterpolateAtEnergy(const MaterialTable& table, double energyMeV);

// Row 1..81 of the table as it stands, without interpolation.
QuantitiesAtEnergy TabulatedRow(const MaterialTable& table, int row);

}  // namespace velmora
