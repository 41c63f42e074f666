// Finding material files as the windows do, without any toolkit: which data folders, which files
// in them, and which file a typed material name means.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class Particle { kPositron, kElectron };

// The two material folders of a particle: elements (*.qrv) and compounds and mixtures (*.stc).
struct MaterialFolderNames {
    std::string_view elements;
    std::string_view compounds;
};

// p_QRV and p_STC for positrons, e_QRV and e_STC for electrons; the layouts are the same.
MaterialFolderNames FolderNamesFor(Particle particle);

inline constexpr std::string_view kElementExtension = ".qrv";
inline constexpr std::string_view kCompoundExtension = ".stc";

// Whether the folder holds either material folder of the particle.
bool HoldsMaterialFolders(const std::filesystem::path& folder, Particle particle);

// The user's own data folder: $XDG_DATA_HOME/velmora when that is an absolute path, otherwise
// $HOME/.local/share/velmora; nullopt when neither variable helps.
std::optional<std::filesystem::path> UserDataFolder();

// Where material folders may be: the working folder, the user's data folder and the bundled
// tables (the installed ones first).
struct DataFolderCandidates {
    std::filesystem::path working;
    std::optional<std::filesystem::path> user;
    std::vector<std::filesystem::path> bundled;
};

// The folders whose material files the windows would read, in order of precedence, without
// writing anything. The windows choose their folder by the positron folders and read electron
// tables from beside them: the working folder alone when it holds p_QRV or p_STC; otherwise the
// user's folder alone when it holds both folders of the particle; otherwise the user's folder
// (when it holds one of them) followed by the first bundled folder holding positron folders,
// since the windows then fill the user's folder with copies of the bundled tables, keeping files
// already there. Empty when no folder qualifies. The chosen folders may lack the particle's
// folders (electron tables beside old positron ones).
std::vector<std::filesystem::path> ChooseDataFolders(const DataFolderCandidates& candidates,
                                                     Particle particle);

enum class MaterialKind { kElement, kCompound };

struct MaterialFile {
    std::filesystem::path path;  // folder / material folder / file name
    std::string fileName;        // "Water liquid.stc"
    MaterialKind kind = MaterialKind::kElement;
};

// The material files the windows' two lists show: in each material folder the files whose names
// end in the extension (in any case), hidden ones excepted; a file name found in several folders
// is taken from the first. Elements first, each list sorted by name ignoring case.
std::vector<MaterialFile> ListMaterialFiles(std::span<const std::filesystem::path> folders,
                                            Particle particle);

// What a name is matched against: line 1 of the file (empty when the file cannot be read) and
// the file name.
struct MaterialNames {
    std::string name;
    std::string fileName;
};

struct MaterialMatch {
    enum class Outcome { kFound, kAmbiguous, kUnknown };
    Outcome outcome = Outcome::kUnknown;
    // kFound: the one material; kAmbiguous: every material matched at the deciding step;
    // kUnknown: materials whose names come close to the query (may be empty).
    std::vector<std::size_t> indices;
};

// Finds the material a typed name means, ignoring the case of ASCII letters, by the first of
// these steps that matches anything: the whole name ("water, liquid"); the file name with or
// without its extension ("water liquid"); a prefix of the name or file name; a substring of
// either ("kapton"). One match is found, several are ambiguous.
MaterialMatch MatchMaterialName(std::string_view query, std::span<const MaterialNames> materials);

}  // namespace velmora
