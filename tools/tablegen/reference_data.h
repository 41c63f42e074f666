// The published inputs of the method, read from the reference folder (data/reference).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tablegen/composition.h"
#include "tablegen/elements.h"

namespace velmora::tablegen {

// One atomic subshell as the density-effect model uses it.
struct Shell {
    double occupation = 0.0;  // electrons; the sign is dropped here
    double bindingEnergyEv = 0.0;
    bool conduction = false;  // the outer level of a conductor (negative occupation in the table)
};

// A material of the reference list with the current density and mean excitation energy.
struct ReferenceMaterial {
    int id = 0;
    std::string listName;  // spelling of the reference list, e.g. "WATER,_LIQUID"
    double density = 0.0;  // g/cm3
    double meanExcitationEv = 0.0;
    Composition composition;
};

// How a bundled material is named for people: line 1 of its file and the file name.
struct DisplayName {
    int id = 0;
    std::string name;
    std::string fileName;
};

struct ReferenceData {
    ElementTable elements{{}};
    std::vector<double> energyGrid;          // MeV, 113 rising values from 1 keV to 10 GeV
    std::vector<std::size_t> outputIndices;  // grid indices of the 81 rows of a material file
    std::vector<std::vector<Shell>> shells;  // [Z - 1], innermost first
    std::vector<std::vector<double>> electronRadiative;  // [Z - 1][grid index], MeV cm2/g
    std::vector<double> positronRatioCoefficients;       // c_1 ... c_n of the Kim et al. fit
    std::vector<ReferenceMaterial> materials;            // in the order of the reference list
    std::vector<DisplayName> displayNames;               // one per reference material
};

// Reads every input file of the folder and checks them against each other. Throws TablegenError
// naming the file and the fault.
ReferenceData LoadReferenceData(const std::filesystem::path& folder);

}  // namespace velmora::tablegen
