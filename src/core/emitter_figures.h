// What velmora-query emitters and the Python module give about emitters beyond the ranges
// themselves, kept in one place so that both read thicknesses, sample spectra and refuse alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "material_table.h"
#include "positron_emitters.h"

namespace velmora {

// A layer's thickness in both measures, and the text it was read from.
struct LayerThickness {
    std::string text;
    double gPerCm2 = 0.0;
    double mm = 0.0;
};

// A thickness read from text, or why it cannot be (a sentence without the option's name).
struct ThicknessReading {
    std::optional<LayerThickness> thickness;
    std::string error;
};

// "1mm", "0.5cm", "0.1g/cm2" (blanks allowed before the unit): a positive decimal number and its
// unit; lengths are converted with the density (g/cm3).
ThicknessReading ReadThickness(std::string_view text, double density);

// One energy of a nuclide's spectrum: positrons per MeV per 100 decays (all branches together)
// and the csda range there (g/cm2).
struct SpectrumPoint {
    double energyMeV = 0.0;
    double positronsPerMeV = 0.0;
    double csdaRange = 0.0;
};

// The energies at which a spectrum is listed: steps of 1, 2 or 5 times a power of ten, at most 100
// of them below the endpoint, and the endpoint itself.
std::vector<double> SpectrumEnergies(double endpointMeV);

// The nuclide's spectrum at SpectrumEnergies of its highest endpoint, with the csda ranges of the
// table. Meaningful where ComputeEmitterRanges gives figures.
std::vector<SpectrumPoint> NuclideSpectrum(const Nuclide& nuclide, const MaterialTable& table);

// Why ComputeEmitterRanges gives no figures for the nuclide in the table (materialName and file
// as the caller shows them): a table ending below the endpoint, or csda ranges that do not rise.
std::string NoRangesMessage(const Nuclide& nuclide, const MaterialTable& table,
                            std::string_view materialName, std::string_view file);

// A typed nuclide name found in none of the list: the name, quoted as messages quote typed text,
// the known names, and whether the user's list was left out.
std::string UnknownNuclideMessage(std::string_view name, const NuclideList& list);

}  // namespace velmora
