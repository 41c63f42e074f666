// The complete table of one material on the reference energy grid.
#include "tablegen/stopping_table.h"

#include <cmath>

#include "tablegen/csda_range.h"
#include "tablegen/density_effect.h"
#include "tablegen/positron_radiative_ratio.h"
#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

void CheckMaterial(const MaterialDefinition& material, const ReferenceData& data) {
    if (!(material.density > 0.0) || !std::isfinite(material.density)) {
        throw TablegenError("the density must be a positive number (g/cm3)");
    }
    if (!(material.meanExcitationEv > 0.0) || !std::isfinite(material.meanExcitationEv)) {
        throw TablegenError("the mean excitation energy must be a positive number (eV)");
    }
    CheckComposition(material.composition, data.elements);
}

// The viewer takes logarithms of every value, so each must be positive and finite.
void CheckPositive(const std::vector<double>& energy, const std::vector<double>& values,
                   const char* quantity) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!(values[k] > 0.0) || !std::isfinite(values[k])) {
            throw TablegenError(std::string("the ") + quantity + " at " +
                                std::to_string(energy[k]) +
                                " MeV is not positive: is the mean excitation energy right?");
        }
    }
}

}  // namespace

double RadiativeStoppingPower(const Composition& composition, const ReferenceData& data,
                              std::size_t gridIndex, const GenerationOptions& options) {
    const bool scale = options.particle == Particle::kPositron && options.positronRadiativeRatio;
    const double energy = data.energyGrid.at(gridIndex);
    double sum = 0.0;
    for (const Component& c : composition) {
        double value = data.electronRadiative.at(static_cast<std::size_t>(c.z - 1)).at(gridIndex);
        if (scale) {
            value *= PositronRadiativeRatio(c.z, energy, data.positronRatioCoefficients);
        }
        sum += c.weightFraction * value;
    }
    return sum;
}

GridTable ComputeTable(const MaterialDefinition& material, const ReferenceData& data,
                       const GenerationOptions& options) {
    CheckMaterial(material, data);
    const double zOverA = ElectronsPerGram(material.composition, data.elements);
    const DensityEffect densityEffect(material.composition, data, material.density,
                                      material.meanExcitationEv);
    GridTable table;
    table.energy = data.energyGrid;
    for (std::size_t k = 0; k < table.energy.size(); ++k) {
        const double t = table.energy[k];
        const double delta = densityEffect.Delta(t);
        table.delta.push_back(delta);
        table.collision.push_back(
            CollisionStoppingPower(options.particle, t, zOverA, material.meanExcitationEv, delta));
        table.radiative.push_back(RadiativeStoppingPower(material.composition, data, k, options));
        table.total.push_back(table.collision.back() + table.radiative.back());
    }
    CheckPositive(table.energy, table.collision, "collision stopping power");
    CheckPositive(table.energy, table.total, "total stopping power");
    table.csdaRange = CsdaRange(table.energy, table.total);
    CheckPositive(table.energy, table.csdaRange, "csda range");
    return table;
}

}  // namespace velmora::tablegen
