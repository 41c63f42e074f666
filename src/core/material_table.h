// The selected material for the whole run: head values and the 81 tabulated rows.
#pragma once

#include <array>
#include <string>

namespace velmora {

// Rows 1 to 81 hold the table in file order; row 0 exists but is never filled.
inline constexpr int kFirstRow = 1;
inline constexpr int kLastRow = 81;
inline constexpr int kRowSlots = kLastRow + 1;

using TableColumn = std::array<double, kRowSlots>;

struct MaterialTable {
    std::string DataFilePath;           // "p_QRV\name" or "p_STC\name"; empty: nothing chosen
    std::string MaterialName;           // line 1 of the file
    double Density = 0.0;               // g/cm3
    double MeanExcitationEnergy = 0.0;  // eV
    TableColumn EnergyMeV{};            // kinetic energy, MeV
    TableColumn CollisionSP{};          // mass collision stopping power, MeV cm2/g
    TableColumn RadiativeSP{};          // mass radiative stopping power, MeV cm2/g
    TableColumn TotalSP{};              // total mass stopping power, MeV cm2/g
    TableColumn CsdaRange{};            // csda range, g/cm2
    std::array<std::string, kRowSlots> TableLines{};  // display text of each row (list entries)
};

}  // namespace velmora
