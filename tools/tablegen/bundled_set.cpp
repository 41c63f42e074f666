// The bundled set of material files: the elements in p_QRV, compounds and mixtures in p_STC.
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

std::vector<BundledFile> BundledFiles(const ReferenceData& data) {
    std::vector<BundledFile> files;
    std::set<std::string> used;
    for (std::size_t i = 0; i < data.materials.size(); ++i) {
        const ReferenceMaterial& m = data.materials[i];
        const DisplayName& names = data.displayNames.at(i);
        const bool element = m.composition.size() == 1 && m.composition[0].z == m.id;
        BundledFile file{element ? kElementFolder : kCompoundFolder,
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
        throw TablegenError(file.material.name + ": " + e.what());
    }
}

std::size_t WriteBundledSet(const std::filesystem::path& root, const ReferenceData& data,
                            const GenerationOptions& options) {
    const std::vector<BundledFile> files = BundledFiles(data);
    std::vector<std::string> texts;
    for (const BundledFile& file : files) {
        texts.push_back(BundledFileText(file, data, options));
    }
    for (const char* folder : {kElementFolder, kCompoundFolder}) {
        std::error_code error;
        std::filesystem::create_directories(root / folder, error);
        if (error) {
            throw TablegenError("cannot create " + (root / folder).string() + ": " +
                                error.message());
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteFileAtomically(root / files[i].folder / files[i].fileName, texts[i], true);
    }
    return files.size();
}

}  // namespace velmora::tablegen
