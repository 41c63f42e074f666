// Thicknesses with their unit, sampled spectra and the refusals of the emitters' figures.
#include "emitter_figures.h"

#include <cmath>
#include <utility>

#include "beta_spectrum.h"
#include "emitter_ranges.h"
#include "message_text.h"
#include "number_format.h"

namespace velmora {

ThicknessReading ReadThickness(std::string_view text, double density) {
    static constexpr std::pair<std::string_view, double> kUnits[] = {
        {"g/cm2", 0.0}, {"mm", 1.0}, {"cm", 10.0}};  // millimetres per unit; 0: mass thickness
    const std::string typed(text);
    for (const auto& [unit, mmPerUnit] : kUnits) {
        if (!text.ends_with(unit)) {
            continue;
        }
        std::string_view number = text.substr(0, text.size() - unit.size());
        while (!number.empty() && number.back() == ' ') {
            number.remove_suffix(1);
        }
        if (!IsDecimalNumber(number)) {
            break;
        }
        const double value = ReadNumber(number);
        if (!(value > 0.0 && std::isfinite(value))) {
            return {std::nullopt, "the thickness " + typed + " is not positive"};
        }
        LayerThickness t{typed, 0.0, 0.0};
        t.mm = mmPerUnit > 0.0 ? value * mmPerUnit : RangeInMillimetres(value, density);
        t.gPerCm2 = mmPerUnit > 0.0 ? MillimetresInGPerCm2(t.mm, density) : value;
        return {std::move(t), {}};
    }
    return {std::nullopt,
            "'" + typed + "' is not a thickness with its unit, such as 1mm, 0.5cm or 0.1g/cm2"};
}

std::vector<double> SpectrumEnergies(double endpointMeV) {
    double step = 1e-3;
    for (int k = 0; endpointMeV / step > 100.0; ++k) {
        step = std::pow(10.0, k / 3 - 3) * (k % 3 == 0 ? 1.0 : k % 3 == 1 ? 2.0 : 5.0);
    }
    std::vector<double> energies;
    for (int k = 1; k * step < endpointMeV * (1.0 - 1e-9); ++k) {
        energies.push_back(k * step);
    }
    energies.push_back(endpointMeV);
    return energies;
}

std::vector<SpectrumPoint> NuclideSpectrum(const Nuclide& nuclide, const MaterialTable& table) {
    std::vector<BetaPlusSpectrum> spectra;
    for (const BetaPlusBranch& b : nuclide.branches) {
        spectra.emplace_back(b, nuclide.daughterZ, nuclide.massNumber);
    }
    std::vector<SpectrumPoint> points;
    for (const double e : SpectrumEnergies(nuclide.HighestEndpointMeV())) {
        double positrons = 0.0;
        for (const BetaPlusSpectrum& s : spectra) {
            positrons += s.PositronsPerMeV(e);
        }
        points.push_back({e, positrons, CsdaRangeAt(table, e)});
    }
    return points;
}

std::string NoRangesMessage(const Nuclide& nuclide, const MaterialTable& table,
                            std::string_view materialName, std::string_view file) {
    if (nuclide.HighestEndpointMeV() > table.EnergyMeV[kLastRow]) {
        return "the table of " + std::string(materialName) + " ends at " +
               NumberText(table.EnergyMeV[kLastRow]) + " MeV, below the endpoint of " +
               nuclide.name;
    }
    return "\"" + std::string(file) +
           "\": the csda ranges do not rise from row to row, so the ranges of a spectrum cannot "
           "be taken from it";
}

std::string UnknownNuclideMessage(std::string_view name, const NuclideList& list) {
    std::string known;
    for (const Nuclide& n : list.nuclides) {
        known += (known.empty() ? "" : ", ") + n.name;
    }
    std::string message = "no nuclide " + QuotedForMessage(name) + " among " + known;
    if (list.error) {
        message += " (your nuclide list was not read)";
    }
    return message;
}

}  // namespace velmora
