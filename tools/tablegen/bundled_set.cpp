// The bundled sets of material files: elements in p_QRV, compounds and mixtures in p_STC, and the
// electron tables of the same materials in e_QRV and e_STC.
#include "tablegen/bundled_set.h"

#include <set>

#include "tablegen/atomic_file.h"
#include "tablegen/material_file_text.h"
#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string ElectronFolderName(std::string_view positronFolderName) {
    if (positronFolderName.size() <= 2 || positronFolderName.substr(0, 2) != "p_") {
        return std::string();
    }
    return "e_" + std::string(positronFolderName.substr(2));
}

std::vector<BundledFile> BundledFiles(const ReferenceData& data, Particle particle) {
    std::vector<BundledFile> files;
    std::set<std::string> used;
    for (std::size_t i = 0; i < data.materials.size(); ++i) {
        const ReferenceMaterial& m = data.materials[i];
        const DisplayName& names = data.displayNames.at(i);
        const bool element = m.composition.size() == 1 && m.composition[0].z == m.id;
        const std::string positronFolder = element ? kElementFolder : kCompoundFolder;
        BundledFile file{
            particle == Particle::kElectron ? ElectronFolderName(positronFolder) : positronFolder,
            names.fileName,
            {names.name, m.composition, m.density, m.meanExcitationEv}};
        const std::string extension = element ? kElementExtension : kCompoundExtension;
        if (!IsSafeFileName(file.fileName) || !EndsWith(file.fileName, extension) ||
            !used.insert(file.folder + "/" + file.fileName).second) {
            throw TablegenError("bundled file name '" + file.fileName + "' of material " +
                                std::to_string(m.id) + " is unsafe, lacks " + extension +
                                " or is used twice");
        }
        files.push_back(std::move(file));
    }
    return files;
}

std::string BundledFileText(const BundledFile& file, const ReferenceData& data,
                            const GenerationOptions& options) {
    try {
        return MaterialFileText(file.material, ComputeTable(file.material, data, options), data,
                                options);
    } catch (const TablegenError& e) {
        throw TablegenError(file.material.name + ": " + e.what(), e.Status());
    }
}

std::size_t WriteBundledSets(const std::filesystem::path& root, const ReferenceData& data,
                             const std::vector<GenerationOptions>& sets) {
    std::vector<FileToWrite> files;
    for (const GenerationOptions& options : sets) {
        for (const BundledFile& file : BundledFiles(data, options.particle)) {
            files.push_back(
                {root / file.folder / file.fileName, BundledFileText(file, data, options), true});
        }
    }
    WriteFilesAtomically(files, true);
    return files.size();
}

}  // namespace velmora::tablegen
