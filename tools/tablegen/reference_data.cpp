// The published inputs of the method, read from the reference folder (data/reference).
#include "tablegen/reference_data.h"

#include <cmath>
#include <map>

#include "tablegen/csv_table.h"
#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;

ElementTable LoadElements(const fs::path& folder) {
    const CsvTable csv = ReadCsvFile(folder / "elements.csv");
    const std::size_t z = csv.Column("Z"), symbol = csv.Column("symbol"), name = csv.Column("name"),
                      weight = csv.Column("A_estar_g_per_mol");
    std::vector<Element> elements;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        elements.push_back(
            {csv.Integer(r, z), csv.rows[r][symbol], csv.rows[r][name], csv.Number(r, weight)});
    }
    return ElementTable(std::move(elements));
}

void LoadEnergyGrid(const fs::path& folder, ReferenceData& data) {
    const CsvTable csv = ReadCsvFile(folder / "estar_energy_grid.csv");
    const std::size_t energy = csv.Column("T_MeV"), output = csv.Column("in_default_81");
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const double t = csv.Number(r, energy);
        if (!(t > 0.0) || (!data.energyGrid.empty() && t <= data.energyGrid.back())) {
            throw TablegenError(csv.source + ": energies must be positive and rising");
        }
        if (csv.Integer(r, output) == 1) {
            data.outputIndices.push_back(r);
        }
        data.energyGrid.push_back(t);
    }
    if (data.outputIndices.size() != 81) {
        throw TablegenError(csv.source + ": 81 output energies expected, found " +
                            std::to_string(data.outputIndices.size()));
    }
}

void LoadShells(const fs::path& folder, ReferenceData& data) {
    const CsvTable csv = ReadCsvFile(folder / "estar_fedat_shells.csv");
    const std::size_t z = csv.Column("Z"), occupation = csv.Column("occupation_signed"),
                      binding = csv.Column("binding_energy_eV");
    const int maxZ = data.elements.MaxZ();
    data.shells.assign(static_cast<std::size_t>(maxZ), {});
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const int atomZ = csv.Integer(r, z);
        if (atomZ < 1 || atomZ > maxZ) {
            continue;  // elements beyond the element table are never used
        }
        const double n = csv.Number(r, occupation);
        data.shells[static_cast<std::size_t>(atomZ - 1)].push_back(
            {std::fabs(n), csv.Number(r, binding), n < 0.0});
    }
    for (int atomZ = 1; atomZ <= maxZ; ++atomZ) {
        double electrons = 0.0;
        for (const Shell& s : data.shells[static_cast<std::size_t>(atomZ - 1)]) {
            electrons += s.occupation;
            if (!(s.bindingEnergyEv > 0.0)) {
                throw TablegenError(
                    csv.source + ": non-positive binding energy for Z = " + std::to_string(atomZ));
            }
        }
        if (std::fabs(electrons - atomZ) > 1e-9) {
            throw TablegenError(csv.source + ": occupations of Z = " + std::to_string(atomZ) +
                                " do not add up to Z");
        }
    }
}

void LoadRadiative(const fs::path& folder, ReferenceData& data) {
    const CsvTable csv = ReadCsvFile(folder / "estar_radiative_stopping_elements.csv");
    const std::size_t z = csv.Column("Z"), energy = csv.Column("T_MeV"),
                      value = csv.Column("S_rad_MeV_cm2_per_g");
    const int maxZ = data.elements.MaxZ();
    data.electronRadiative.assign(static_cast<std::size_t>(maxZ), {});
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const int atomZ = csv.Integer(r, z);
        if (atomZ < 1 || atomZ > maxZ) {
            continue;
        }
        auto& column = data.electronRadiative[static_cast<std::size_t>(atomZ - 1)];
        const std::size_t i = column.size();
        if (i >= data.energyGrid.size() ||
            std::fabs(csv.Number(r, energy) / data.energyGrid[i] - 1.0) > 1e-9 ||
            !(csv.Number(r, value) > 0.0)) {
            throw TablegenError(csv.source + " line " + std::to_string(r + 2) +
                                ": not the next grid energy of Z = " + std::to_string(atomZ) +
                                " with a positive value");
        }
        column.push_back(csv.Number(r, value));
    }
    for (int atomZ = 1; atomZ <= maxZ; ++atomZ) {
        if (data.electronRadiative[static_cast<std::size_t>(atomZ - 1)].size() !=
            data.energyGrid.size()) {
            throw TablegenError(csv.source +
                                ": incomplete values for Z = " + std::to_string(atomZ));
        }
    }
}

void LoadPositronRatio(const fs::path& folder, ReferenceData& data) {
    const CsvTable csv = ReadCsvFile(folder / "positron_brems_ratio_kim1986_fit.csv");
    const std::size_t power = csv.Column("power_of_t"), coefficient = csv.Column("coefficient");
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        if (csv.Integer(r, power) != static_cast<int>(r) + 1) {
            throw TablegenError(csv.source + ": powers must run 1, 2, 3, ...");
        }
        data.positronRatioCoefficients.push_back(csv.Number(r, coefficient));
    }
}

void LoadMaterials(const fs::path& folder, ReferenceData& data) {
    const CsvTable list = ReadCsvFile(folder / "materials.csv");
    const std::size_t id = list.Column("estar_id"), name = list.Column("name"),
                      excitation = list.Column("I_eV"), density = list.Column("density_g_cm3");
    std::map<int, std::size_t> indexOfId;
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        ReferenceMaterial m{list.Integer(r, id),
                            list.rows[r][name],
                            list.Number(r, density),
                            list.Number(r, excitation),
                            {}};
        if (!(m.density > 0.0) || !(m.meanExcitationEv > 0.0) || indexOfId.count(m.id) != 0) {
            throw TablegenError(list.source + ": material " + std::to_string(m.id) +
                                " is repeated or has a non-positive density or I");
        }
        indexOfId[m.id] = data.materials.size();
        data.materials.push_back(std::move(m));
    }
    const CsvTable parts = ReadCsvFile(folder / "material_composition.csv");
    const std::size_t partId = parts.Column("estar_id"), z = parts.Column("Z"),
                      fraction = parts.Column("weight_fraction");
    for (std::size_t r = 0; r < parts.rows.size(); ++r) {
        const auto found = indexOfId.find(parts.Integer(r, partId));
        if (found == indexOfId.end()) {
            throw TablegenError(parts.source + " line " + std::to_string(r + 2) +
                                ": unknown material");
        }
        data.materials[found->second].composition.push_back(
            {parts.Integer(r, z), parts.Number(r, fraction)});
    }
    for (const ReferenceMaterial& m : data.materials) {
        try {
            CheckComposition(m.composition, data.elements);
        } catch (const TablegenError& e) {
            throw TablegenError(parts.source + ": material " + std::to_string(m.id) + ": " +
                                e.what());
        }
    }
}

void LoadDisplayNames(const fs::path& folder, ReferenceData& data) {
    const CsvTable csv = ReadCsvFile(folder / "bundled_names.csv");
    const std::size_t id = csv.Column("estar_id"), name = csv.Column("display_name"),
                      file = csv.Column("file_name");
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        data.displayNames.push_back({csv.Integer(r, id), csv.rows[r][name], csv.rows[r][file]});
    }
    if (data.displayNames.size() != data.materials.size()) {
        throw TablegenError(csv.source + ": one name per material expected");
    }
    for (std::size_t i = 0; i < data.materials.size(); ++i) {
        if (data.displayNames[i].id != data.materials[i].id) {
            throw TablegenError(csv.source + " line " + std::to_string(i + 2) +
                                ": names must follow the order of materials.csv");
        }
    }
}

}  // namespace

ReferenceData LoadReferenceData(const std::filesystem::path& folder) {
    ReferenceData data;
    data.elements = LoadElements(folder);
    LoadEnergyGrid(folder, data);
    LoadShells(folder, data);
    LoadRadiative(folder, data);
    LoadPositronRatio(folder, data);
    LoadMaterials(folder, data);
    LoadDisplayNames(folder, data);
    return data;
}

}  // namespace velmora::tablegen
