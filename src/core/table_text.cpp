// Tab-separated text of a material's table.
#include "core/table_text.h"

#include <array>
#include <charconv>

#include "core/portable_numbers.h"
namespace velmora {
namespace {

// The shortest text that reads back as exactly this double.
void AppendNumber(std::string& text, double value) {
    std::array<char, 32> buffer{};
    const auto result = portable::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    text.append(buffer.data(), result.ptr);
}

void AppendColumns(std::string& text, const MaterialTable& table, int row, bool withEnergy) {
    if (withEnergy) {
        text += '\t';
        AppendNumber(text, table.EnergyMeV[row]);
    }
    for (const TableColumn* column :
         {&table.CollisionSP, &table.RadiativeSP, &table.TotalSP, &table.CsdaRange}) {
        text += '\t';
        AppendNumber(text, (*column)[row]);
    }
}

}  // namespace

std::string TabSeparatedTable(const MaterialTable& positrons, const MaterialTable* electrons) {
    std::string text =
        "Kinetic energy (MeV)\tCollision stopping power (MeV cm2/g)\t"
        "Radiative stopping power (MeV cm2/g)\tTotal stopping power (MeV cm2/g)\t"
        "csda range (g/cm2)";
    const bool electronEnergies = electrons && electrons->EnergyMeV != positrons.EnergyMeV;
    if (electrons) {
        if (electronEnergies) {
            text += "\tElectron kinetic energy (MeV)";
        }
        text +=
            "\tElectron collision stopping power (MeV cm2/g)\t"
            "Electron radiative stopping power (MeV cm2/g)\t"
            "Electron total stopping power (MeV cm2/g)\tElectron csda range (g/cm2)";
    }
    text += '\n';
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        AppendNumber(text, positrons.EnergyMeV[row]);
        AppendColumns(text, positrons, row, false);
        if (electrons) {
            AppendColumns(text, *electrons, row, electronEnergies);
        }
        text += '\n';
    }
    return text;
}

}  // namespace velmora
