// The complete table of one material on the reference energy grid.
#pragma once

#include <string>
#include <vector>

#include "tablegen/collision_stopping.h"
#include "tablegen/composition.h"
#include "tablegen/reference_data.h"

namespace velmora::tablegen {

// A material as the generator takes it.
struct MaterialDefinition {
    std::string name;
    Composition composition;  // weight fractions
    double density = 0.0;     // g/cm3
    double meanExcitationEv = 0.0;
};

struct GenerationOptions {
    Particle particle = Particle::kPositron;
    // Positrons only: scale each element's electron radiative stopping power by the positron to
    // electron ratio of Kim et al. (1986). Off: positrons radiate like electrons.
    bool positronRadiativeRatio = true;
};

// Every quantity at every grid energy; units MeV, MeV cm2/g, g/cm2.
struct GridTable {
    std::vector<double> energy;
    std::vector<double> delta;
    std::vector<double> collision;
    std::vector<double> radiative;
    std::vector<double> total;
    std::vector<double> csdaRange;
};

// Checks the material (composition, density > 0, I > 0, all finite) and computes its table.
// Throws TablegenError for bad input or when a computed value is not positive and finite.
GridTable ComputeTable(const MaterialDefinition& material, const ReferenceData& data,
                       const GenerationOptions& options);

// The radiative stopping power at grid energy index k by weight-fraction additivity, each
// element scaled by the positron ratio when the options ask for it.
double RadiativeStoppingPower(const Composition& composition, const ReferenceData& data,
                              std::size_t gridIndex, const GenerationOptions& options);

}  // namespace velmora::tablegen
