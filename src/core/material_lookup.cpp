// Finding a material by name or path in the data folders, with the refusals' messages.
#include "core/material_lookup.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "core/material_reading.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxListedCandidates = 12;

template <typename T>
LookupResult<T> Accepted(T value) {
    return {std::move(value), LookupRefusal::kNone, {}};
}

template <typename T>
LookupResult<T> Refused(LookupRefusal refusal, std::string message) {
    return {std::nullopt, refusal, std::move(message)};
}

// "p_QRV or p_STC", "p_QRV nor p_STC", ...
std::string FolderNames(Particle particle, const char* conjunction) {
    const MaterialFolderNames names = FolderNamesFor(particle);
    return std::string(names.elements) + conjunction + std::string(names.compounds);
}

fs::path InWorkingFolder(const DataFolderCandidates& places, const fs::path& path) {
    return path.is_absolute() || places.working.empty() ? path : places.working / path;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t k = 0; k < suffix.size(); ++k) {
        const char c = text[text.size() - suffix.size() + k];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != suffix[k]) {
            return false;
        }
    }
    return true;
}

bool IsFilePath(std::string_view operand, const DataFolderCandidates& places) {
    if (operand.find('/') != std::string_view::npos) {
        return true;
    }
    std::error_code error;
    return (EndsWithIgnoringCase(operand, kElementExtension) ||
            EndsWithIgnoringCase(operand, kCompoundExtension)) &&
           fs::is_regular_file(InWorkingFolder(places, operand), error);
}

// The particle of a table given by path, when its folder tells.
std::optional<Particle> ParticleOfFolder(const fs::path& file) {
    const std::string folder = file.parent_path().filename().string();
    for (const Particle particle : {Particle::kPositron, Particle::kElectron}) {
        const MaterialFolderNames names = FolderNamesFor(particle);
        if (folder == names.elements || folder == names.compounds) {
            return particle;
        }
    }
    return std::nullopt;
}

// The candidates of a failed match for a message: names, or file names where the name is
// missing or shared, at most kMaxListedCandidates of them.
std::string CandidateList(const std::vector<MaterialFile>& files,
                          const std::vector<MaterialNames>& names,
                          const std::vector<std::size_t>& indices) {
    std::map<std::string, int> uses;
    for (const std::size_t k : indices) {
        ++uses[names[k].name];
    }
    std::string list;
    for (std::size_t n = 0; n < indices.size() && n < kMaxListedCandidates; ++n) {
        const std::size_t k = indices[n];
        const std::string& name = names[k].name;
        list += n > 0 ? "; " : "";
        list += name.empty() || uses[name] > 1 ? files[k].path.string() : name;
    }
    if (indices.size() > kMaxListedCandidates) {
        list += "; and " + std::to_string(indices.size() - kMaxListedCandidates) + " more";
    }
    return list;
}

LookupResult<fs::path> FindByName(std::string_view query, const MaterialRequest& request,
                                  const DataFolderCandidates& places) {
    LookupResult<std::vector<fs::path>> folders = FindDataFolders(request, places);
    if (!folders) {
        return Refused<fs::path>(folders.refusal, std::move(folders.message));
    }
    const std::vector<MaterialFile> files = ListMaterialFiles(*folders.value, request.particle);
    std::vector<MaterialNames> names;
    names.reserve(files.size());
    for (const MaterialFile& file : files) {
        names.push_back({ReadMaterialName(file.path).value_or(std::string()), file.fileName});
    }
    const MaterialMatch match = MatchMaterialName(query, names);
    const std::string quoted = QuotedForMessage(query);
    const std::string tables = std::string(ParticleWord(request.particle)) + " tables";
    switch (match.outcome) {
        case MaterialMatch::Outcome::kFound:
            return Accepted(files[match.indices.front()].path);
        case MaterialMatch::Outcome::kAmbiguous:
            return Refused<fs::path>(LookupRefusal::kNoMaterial,
                                     quoted + " matches " + std::to_string(match.indices.size()) +
                                         " " + tables + ": " +
                                         CandidateList(files, names, match.indices));
        case MaterialMatch::Outcome::kUnknown:
            break;
    }
    std::string message = "no material " + quoted + " among the " + tables;
    if (!match.indices.empty()) {
        message += "; close names: " + CandidateList(files, names, match.indices);
    } else {
        message += "; " + std::string(request.listingHint);
    }
    return Refused<fs::path>(LookupRefusal::kNoMaterial, std::move(message));
}

}  // namespace

std::string_view ParticleWord(Particle particle) {
    return particle == Particle::kElectron ? "electron" : "positron";
}

std::string QuotedForMessage(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    std::string quoted = "\"";
    for (std::size_t k = 0; k < text.size() && k < kMaxShown; ++k) {
        const auto code = static_cast<unsigned char>(text[k]);
        quoted += (code >= 0x20 && code < 0x7F) ? text[k] : '?';
    }
    if (text.size() > kMaxShown) {
        quoted += "...";
    }
    return quoted + "\"";
}

LookupResult<std::vector<fs::path>> FindDataFolders(const MaterialRequest& request,
                                                    const DataFolderCandidates& places) {
    using Folders = std::vector<fs::path>;
    const Particle particle = request.particle;
    if (request.dataDir) {
        const fs::path folder = InWorkingFolder(places, *request.dataDir);
        if (!HoldsMaterialFolders(folder, particle)) {
            return Refused<Folders>(LookupRefusal::kNoMaterial,
                                    std::string(request.dataDirOption) + ": " + *request.dataDir +
                                        " holds neither " + FolderNames(particle, " nor "));
        }
        return Accepted(Folders{folder});
    }
    Folders folders = ChooseDataFolders(places, particle);
    const bool any = std::any_of(folders.begin(), folders.end(), [&](const fs::path& folder) {
        return HoldsMaterialFolders(folder, particle);
    });
    if (!folders.empty() && !any) {
        const fs::path& folder = folders.front();
        return Refused<Folders>(
            LookupRefusal::kNoMaterial,
            "no " + std::string(ParticleWord(particle)) + " tables beside the positron tables in " +
                (folder.empty() ? std::string("the working folder") : folder.string()) +
                ": it holds neither " + FolderNames(particle, " nor "));
    }
    if (folders.empty()) {
        std::string message = "no " + std::string(ParticleWord(particle)) +
                              " tables found: neither the working folder";
        if (places.user) {
            message += ", " + places.user->string();
        }
        return Refused<Folders>(LookupRefusal::kNoMaterial,
                                message + " nor the installed tables hold " +
                                    FolderNames(particle, " or ") + "; see " +
                                    std::string(request.dataDirOption));
    }
    return Accepted(std::move(folders));
}

LookupResult<FoundMaterial> FindMaterial(std::string_view operand, const MaterialRequest& request,
                                         const DataFolderCandidates& places) {
    FoundMaterial material;
    fs::path path;
    if (IsFilePath(operand, places)) {
        path = InWorkingFolder(places, operand);
        material.file = operand;
        material.particle = ParticleOfFolder(path);
        if (request.particleGiven && material.particle && *material.particle != request.particle) {
            const auto named = [](Particle particle) {
                return particle == Particle::kElectron ? "an electron table" : "a positron table";
            };
            return Refused<FoundMaterial>(LookupRefusal::kWrongParticle,
                                          std::string(operand) + " is " +
                                              named(*material.particle) + ", not " +
                                              named(request.particle));
        }
    } else {
        LookupResult<fs::path> found = FindByName(operand, request, places);
        if (!found) {
            return Refused<FoundMaterial>(found.refusal, std::move(found.message));
        }
        path = std::move(*found.value);
        material.file = path.string();
        material.particle = request.particle;
    }
    ParseResult<MaterialTable> loaded = LoadMaterialTable(path);
    if (!loaded) {
        return Refused<FoundMaterial>(LookupRefusal::kMaterialFile, loaded.error.Message());
    }
    material.table = std::move(*loaded.value);
    return Accepted(std::move(material));
}

}  // namespace velmora
