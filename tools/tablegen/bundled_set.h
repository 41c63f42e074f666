// The bundled sets of material files: elements in p_QRV, compounds and mixtures in p_STC, and the
// electron tables of the same materials in e_QRV and e_STC.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tablegen/reference_data.h"
#include "tablegen/stopping_table.h"

namespace velmora::tablegen {

inline constexpr const char* kElementFolder = "p_QRV";
inline constexpr const char* kCompoundFolder = "p_STC";
inline constexpr const char* kElementExtension = ".qrv";
inline constexpr const char* kCompoundExtension = ".stc";

// The folder of the electron tables beside a folder of positron tables: the leading "p_" becomes
// "e_" (p_STC -> e_STC), the file names stay the same. The viewer and the tools find a material's
// electron table this way. Empty when the name does not start with "p_".
std::string ElectronFolderName(std::string_view positronFolderName);

struct BundledFile {
    std::string folder;    // kElementFolder or kCompoundFolder, or their electron folders
    std::string fileName;  // with extension
    MaterialDefinition material;
};

// One file per reference material: reference ids that equal an element's Z go to the element
// folder, all others to the compound folder, of the particle's set. Throws TablegenError for a
// file name that is unsafe, has the wrong extension or is used twice.
std::vector<BundledFile> BundledFiles(const ReferenceData& data,
                                      Particle particle = Particle::kPositron);

// The text of one bundled file.
std::string BundledFileText(const BundledFile& file, const ReferenceData& data,
                            const GenerationOptions& options);

// Computes every file of every set first (one set per options, each into its particle's folders),
// then writes them all under root, creating the folders when missing and replacing files of the
// same name; other files are left alone. Returns the count of files written.
std::size_t WriteBundledSets(const std::filesystem::path& root, const ReferenceData& data,
                             const std::vector<GenerationOptions>& sets);

}  // namespace velmora::tablegen
