// The text of a material file: 91 lines with CR LF ends, name, header, 81 data rows.
#include "tablegen/material_file_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "tablegen/short_scientific.h"
#include "tablegen/tablegen_error.h"
#include "tablegen/version.h"

namespace velmora::tablegen {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string DescriptionLine(const GenerationOptions& options) {
    if (options.particle == Particle::kElectron) {
        return "Electrons: collision (ICRU 37 formula with F-, Sternheimer density effect), "
               "radiative and total stopping powers, csda range";
    }
    return "Positrons: collision (ICRU 37 formula with F+, Sternheimer density effect), "
           "radiative and total stopping powers, csda range";
}

std::string GeneratorLine(const GenerationOptions& options) {
    std::string line = std::string("velmora-tablegen ") + kGeneratorVersion + ", ";
    if (options.particle == Particle::kElectron) {
        line += "electron mode (--electrons)";
    } else if (options.positronRadiativeRatio) {
        line += "positron/electron radiative ratio of Kim et al. 1986: on";
    } else {
        line += "positron/electron radiative ratio of Kim et al. 1986: off (--no-positron-ratio)";
    }
    return line + ". Next line: density g/cm3, mean excitation energy eV";
}

// Lines 5 to 10: a legend of the columns with units, then headings over the value columns.
constexpr std::array<std::string_view, 6> kHeadingLines = {
    "   T     kinetic energy                    MeV",
    "   Scol  mass collision stopping power     MeV cm2/g",
    "   Srad  mass radiative stopping power     MeV cm2/g",
    "   Stot  total mass stopping power         MeV cm2/g",
    "   R     csda range                        g/cm2",
    "   T        Scol     Srad     Stot     R",
};

std::string DataLine(const GridTable& table, std::size_t k) {
    const std::array<double, 5> values = {table.energy[k], table.collision[k], table.radiative[k],
                                          table.total[k], table.csdaRange[k]};
    std::string line(static_cast<std::size_t>(kDataLineLength), ' ');
    for (std::size_t c = 0; c < values.size(); ++c) {
        const std::string text = FormatShortScientific(values[c]);
        line.replace(static_cast<std::size_t>(kValueColumns[c] - 1), text.size(), text);
    }
    return line;
}

// The energy column must print exactly, which four digits do for the reference grid.
void CheckExactEnergy(double energy, const std::string& printed) {
    if (std::strtod(printed.c_str(), nullptr) != energy) {
        throw TablegenError("the grid energy " + ExactNumberText(energy) +
                            " MeV cannot be printed exactly at four digits");
    }
}

}  // namespace

void CheckMaterialName(std::string_view name) {
    if (name.empty() || name.size() > 80 || name.find_first_not_of(' ') == std::string_view::npos) {
        throw TablegenError("the material name must have 1 to 80 characters");
    }
    for (char c : name) {
        if (c < 0x20 || c > 0x7e) {
            throw TablegenError("the material name may hold printable ASCII characters only");
        }
    }
}

std::string ExactNumberText(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    const std::size_t exponent = text.find('e');
    if (exponent != std::string::npos) {
        text[exponent] = 'E';  // the files use E notation throughout
    } else if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    return text;
}

std::string MaterialFileText(const MaterialDefinition& material, const GridTable& table,
                             const ReferenceData& data, const GenerationOptions& options) {
    CheckMaterialName(material.name);
    std::string text;
    const auto addLine = [&text](std::string_view line) {
        text += line;
        text += kLineEnd;
    };
    addLine(material.name);
    addLine(DescriptionLine(options));
    addLine(GeneratorLine(options));
    addLine("   " + ExactNumberText(material.density) + "   " +
            ExactNumberText(material.meanExcitationEv));
    for (std::string_view line : kHeadingLines) {
        addLine(line);
    }
    for (std::size_t k : data.outputIndices) {
        const std::string line = DataLine(table, k);
        CheckExactEnergy(table.energy[k], line.substr(kValueColumns[0] - 1, 8));
        addLine(line);
    }
    return text;
}

}  // namespace velmora::tablegen
