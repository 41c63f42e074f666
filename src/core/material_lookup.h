// Finding the material a look-up asks for: the data folders, a name, an element's symbol or a
// path, the reading of the file, its particle, and the message of every refusal. velmora-query
// and the Python module both look up through these, so that they find the same file and refuse
// with the same words (each with its own names for the options).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "material_catalogue.h"
#include "material_file.h"
#include "material_table.h"
#include "message_text.h"

namespace velmora {

// "positron" or "electron", as listings and messages name the particle.
std::string_view ParticleWord(Particle particle);

// What a look-up asks for besides the material itself.
struct MaterialRequest {
    Particle particle = Particle::kPositron;
    bool particleGiven = false;          // a table of the other particle is then refused
    std::optional<std::string> dataDir;  // the one folder to search, as given
    // How the messages name the options and the listing of all materials.
    std::string_view dataDirOption = "--data-dir";
    std::string_view particleOption = "--particle";
    std::string_view listingHint = "velmora-query materials lists them";
};

// Why a look-up failed: a table of the other particle than the one asked for, no folder or no
// material of that name, or a material file that cannot be read or is malformed.
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
    std::string file;  // as shown: the path as given, or the found file's path
    // As the file's second line names it, else as its folder does, else the one asked for with
    // particleGiven; unknown otherwise.
    std::optional<Particle> particle;
};

// The folders whose material files are listed and matched against names: the requested data
// folder (relative to the working folder), or the folders the windows would read.
LookupResult<std::vector<std::filesystem::path>> FindDataFolders(
    const MaterialRequest& request, const DataFolderCandidates& places);

// The material an operand names, read in full. An operand that holds a slash or ends in .qrv or
// .stc, and names an existing file, is that file; anything else is a name: an element's exact
// symbol ("Pb") first, else matched as MatchMaterialName does against the names and file names in
// the data folders. Ambiguous and unknown names are refused with a list of the candidates (at most
// 12), the folders searched, and a folder with tables that the searched ones hide.
LookupResult<FoundMaterial> FindMaterial(std::string_view operand, const MaterialRequest& request,
                                         const DataFolderCandidates& places);

// The reader's refusal, with a field it quotes ("\"1,5\" is not a number where ...") cut to a
// readable length as QuotedForMessage cuts it.
std::string MaterialFileMessage(MaterialFileError error);

}  // namespace velmora
