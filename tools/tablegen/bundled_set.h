// The bundled set of material files: the elements in p_QRV, compounds and mixtures in p_STC.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tablegen/reference_data.h"
#include "tablegen/stopping_table.h"

namespace velmora::tablegen {

inline constexpr const char* kElementFolder = "p_QRV";
inline constexpr const char* kCompoundFolder = "p_STC";
inline constexpr const char* kElementExtension = ".qrv";
inline constexpr const char* kCompoundExtension = ".stc";

struct BundledFile {
    std::string folder;    // kElementFolder or kCompoundFolder
    std::string fileName;  // with extension
    MaterialDefinition material;
};

// One file per reference material: reference ids that equal an element's Z go to the element
// folder, all others to the compound folder. Throws TablegenError for a file name that is unsafe,
// has the wrong extension or is used twice.
std::vector<BundledFile> BundledFiles(const ReferenceData& data);

// The text of one bundled file.
std::string BundledFileText(const BundledFile& file, const ReferenceData& data,
                            const GenerationOptions& options);

// Computes every file first, then writes them under root/p_QRV and root/p_STC (created when
// missing), replacing files of the same name; other files are left alone. Returns the count.
std::size_t WriteBundledSet(const std::filesystem::path& root, const ReferenceData& data,
                            const GenerationOptions& options);

}  // namespace velmora::tablegen
