// Stopping powers and csda range of a material at one energy, and the energy whose csda range is
// given, computed in-process by Velmora's core library with the tables of a material file.
//
// Usage: stopping_power MATERIAL_FILE ENERGY_MEV RANGE_G_PER_CM2
// MATERIAL_FILE is a path, or a path inside the installed tables ("p_STC/Water liquid.stc").
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include <velmora/core/energy_query.h>
#include <velmora/core/installed_data.h>
#include <velmora/core/material_reading.h>
#include <velmora/core/number_format.h>
#include <velmora/core/range_query.h>

namespace {

// The file as given when it exists, otherwise the same relative path in the installed tables.
std::filesystem::path MaterialPath(const std::filesystem::path& given) {
    if (given.is_absolute() || std::filesystem::exists(given)) {
        return given;
    }
    return velmora::InstalledDataFolder() / given;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: stopping_power MATERIAL_FILE ENERGY_MEV RANGE_G_PER_CM2\n";
        return 2;
    }
    // The file is read and checked completely, as the main window's OK button does.
    const velmora::ParseResult<velmora::MaterialTable> loaded =
        velmora::LoadMaterialTable(MaterialPath(argv[1]));
    if (!loaded) {
        std::cerr << loaded.error.Message() << "\n";
        return 1;
    }
    const velmora::MaterialTable& table = *loaded.value;
    // Each argument must be one whole number: "1,5" or "1.5MeV" is refused, not read in part.
    const std::optional<double> energy = velmora::ParseNumber(argv[2]);
    const std::optional<double> range = velmora::ParseNumber(argv[3]);
    if (!energy || !range) {
        std::cerr << "not a number: " << (energy ? argv[3] : argv[2]) << "\n";
        return 2;
    }
    const std::optional<velmora::QuantitiesAtEnergy> q =
        velmora::InterpolateAtEnergy(table, *energy);
    const std::optional<double> found = velmora::EnergyForCsdaRange(table, *range);
    if (!q || !found) {
        std::cerr << "the energy or the range lies outside the table of " << table.MaterialName
                  << "\n";
        return 1;
    }
    // The main window's pattern for its four boxes.
    const auto shown = [](double value) { return velmora::FormatPattern(value, "0.000E+00"); };
    std::cout << table.MaterialName << " at " << argv[2] << " MeV: collision "
              << shown(q->collision) << ", radiative " << shown(q->radiative) << ", total "
              << shown(q->total) << " MeV cm2/g, csda range " << shown(q->csdaRange) << " g/cm2\n"
              << "csda range " << argv[3] << " g/cm2 at " << shown(*found) << " MeV\n";
    return 0;
}
