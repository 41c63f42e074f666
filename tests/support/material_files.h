// Writes small material files for window tests, in the layout the program reads.
#pragma once

#include <QString>
#include <array>
#include <map>
#include <string>

namespace velmora::testing {

// One synthetic material: head values and rows 1..81 (index 0 unused).
struct TestMaterial {
    std::string name = "Test material";
    double density = 1.0;                // g/cm3
    double meanExcitationEnergy = 75.0;  // eV
    std::array<double, 82> energy{};
    std::array<double, 82> collision{};
    std::array<double, 82> radiative{};
    std::array<double, 82> total{};
    std::array<double, 82> range{};
    // Whole lines (1-based) that replace the generated ones, e.g. {57, "garbage"}.
    std::map<int, std::string> lineOverrides;
    // Lines after line 91.
    std::string trailer;
};

// Energies 0.01..1000 MeV on a logarithmic grid (sixteen rows per decade, rounded to 4 digits),
// with smooth positive values: collision = 2 E^-0.3 + 1, radiative = 0.01 E, total = their sum,
// range = 0.5 E^1.5.
TestMaterial SmoothMaterial(const std::string& name = "Test material", double density = 1.0,
                            double meanExcitationEnergy = 75.0);

// The file text: 91 CR LF lines, data rows "   " + five values separated by blanks.
std::string MaterialFileText(const TestMaterial& material);

// Writes the text to folder/fileName (creating the folder); returns the full path.
QString WriteMaterialFile(const QString& folder, const QString& fileName,
                          const TestMaterial& material);

// Writes arbitrary bytes to folder/fileName (creating the folder); returns the full path.
QString WriteRawFile(const QString& folder, const QString& fileName, const std::string& bytes);

}  // namespace velmora::testing
