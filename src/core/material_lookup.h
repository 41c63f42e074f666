// Finding the material a look-up asks for: the data folders, a name or a path, the reading of the
// file, and the message of every refusal, in velmora-query's words. The Python module uses it;
// velmora-query still has its own copy, with symbols and folder hints added, to be moved here.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "material_catalogue.h"
#include "material_table.h"

namespace velmora {

// "positron" or "electron", as listings and messages name the particle.
std::string_view ParticleWord(Particle particle);

// The text quoted for a message: at most 40 characters, control characters and bytes that are not
// printable ASCII shown as '?'.
std::string QuotedForMessage(std::string_view text);

// What a look-up asks for besides the material itself.
struct MaterialRequest {
    Particle particle = Particle::kPositron;
    bool particleGiven = false;          // a path to the other particle's table is then refused
    std::optional<std::string> dataDir;  // the one folder to search, as given
    // How the messages name the data folder option and the listing of all materials.
    std::string_view dataDirOption = "--data-dir";
    std::string_view listingHint = "velmora-query materials lists them";
};

// Why a look-up failed: a path to the other particle's table, no folder or no material of that
// name, or a material file that cannot be read or is malformed.
enum class LookupRefusal { kNone, kWrongParticle, kNoMaterial, kMaterialFile };

template <typename T>
struct LookupResult {
    std::optional<T> value;
    LookupRefusal refusal = LookupRefusal::kNone;
    std::string message;  // one line naming what was asked for and why it was refused
    explicit operator bool() const { return value.has_value(); }
};

// A material found and read.
struct FoundMaterial {
    MaterialTable table;
    std::string file;                  // as shown: the path as given, or the found file's path
    std::optional<Particle> particle;  // unknown for a path outside the particles' folders
};

// The folders whose material files are listed and matched against names: the requested data
// folder (relative to the working folder), or the folders the windows would read.
LookupResult<std::vector<std::filesystem::path>> FindDataFolders(
    const MaterialRequest& request, const DataFolderCandidates& places);

// The material an operand names, read in full. An operand holding a slash, or naming an existing
// *.qrv or *.stc file, is a path; anything else is a name, matched as MatchMaterialName does
// against the names and file names in the data folders. Ambiguous and unknown names are refused
// with a list of the candidates (at most 12).
LookupResult<FoundMaterial> FindMaterial(std::string_view operand, const MaterialRequest& request,
                                         const DataFolderCandidates& places);

}  // namespace velmora
