// Finding a material by name, symbol or path in the data folders, with the refusals' messages.
#include "core/material_lookup.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "core/element_symbols.h"
#include "core/material_reading.h"
#include "core/sequential_reader.h"

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

std::string FolderText(const fs::path& folder) {
    return folder.empty() ? std::string("the working folder") : folder.string();
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

// Whether an operand looks like a path: it holds a slash or ends in .qrv or .stc.
bool LooksLikePath(std::string_view operand) {
    return operand.find('/') != std::string_view::npos ||
           EndsWithIgnoringCase(operand, kElementExtension) ||
           EndsWithIgnoringCase(operand, kCompoundExtension);
}

// An operand that looks like a path and names an existing file is that file; anything else is a
// name ("Nylon, type 6/10" holds a slash). A bare word never reads a file of that name, which a
// shell may just have made for the output ("show kapton > kapton").
bool IsFilePath(std::string_view operand, const DataFolderCandidates& places) {
    std::error_code error;
    return LooksLikePath(operand) && fs::is_regular_file(InWorkingFolder(places, operand), error);
}

// The particle a table's second line names ("Positrons: collision ...", "Electrons: ..."), when it
// names one.
std::optional<Particle> ParticleOfText(std::string_view text) {
    SequentialReader reader(text);
    reader.ReadLine();
    std::string line = reader.ReadLine().value_or(std::string());
    line.erase(0, line.find_first_not_of(" \t"));
    for (char& c : line) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (line.starts_with("positron")) {
        return Particle::kPositron;
    }
    if (line.starts_with("electron")) {
        return Particle::kElectron;
    }
    return std::nullopt;
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

// The element files whose file names begin with the atomic number of the symbol ("082 Lead.qrv"
// for "Pb"); empty when the query is not exactly an element's symbol.
std::vector<std::size_t> ElementsOfSymbol(std::string_view query,
                                          const std::vector<MaterialFile>& files) {
    std::vector<std::size_t> found;
    const int number = AtomicNumberOfSymbol(query);
    for (std::size_t k = 0; number > 0 && k < files.size(); ++k) {
        const std::string& name = files[k].fileName;
        const std::size_t digits = name.find_first_not_of("0123456789");
        if (files[k].kind == MaterialKind::kElement && digits > 0 && digits != std::string::npos &&
            name[digits] == ' ' && std::stoi(name.substr(0, digits)) == number) {
            found.push_back(k);
        }
    }
    return found;
}

// " in FOLDER and FOLDER": where the tables searched for a name were.
std::string SearchedFolders(const std::vector<fs::path>& folders) {
    std::string text = " in " + FolderText(folders.front());
    for (std::size_t k = 1; k < folders.size(); ++k) {
        text += " and " + FolderText(folders[k]);
    }
    return text;
}

// A folder that holds tables of the particle but was left out because the searched ones come
// first (the working folder's own tables hide the user's and the installed ones), and how to
// reach it; empty when there is none.
std::string HiddenFolderHint(const std::vector<fs::path>& folders, const MaterialRequest& request,
                             const DataFolderCandidates& places) {
    if (request.dataDir) {
        return {};
    }
    std::vector<fs::path> others;
    if (places.user) {
        others.push_back(*places.user);
    }
    others.insert(others.end(), places.bundled.begin(), places.bundled.end());
    for (const fs::path& other : others) {
        const bool searched = std::any_of(folders.begin(), folders.end(), [&](const fs::path& f) {
            return InWorkingFolder(places, f).lexically_normal() == other.lexically_normal();
        });
        if (!searched && HoldsMaterialFolders(other, request.particle)) {
            return "; these hide the tables in " + other.string() + ": " +
                   std::string(request.dataDirOption) + " " + other.string() + " searches there";
        }
    }
    return {};
}

LookupResult<fs::path> FindByName(std::string_view query, const MaterialRequest& request,
                                  const DataFolderCandidates& places) {
    LookupResult<std::vector<fs::path>> found = FindDataFolders(request, places);
    if (!found) {
        return Refused<fs::path>(found.refusal, std::move(found.message));
    }
    const std::vector<fs::path>& folders = *found.value;
    const std::vector<MaterialFile> files = ListMaterialFiles(folders, request.particle);
    std::vector<MaterialNames> names;
    names.reserve(files.size());
    for (const MaterialFile& file : files) {
        names.push_back({ReadMaterialName(file.path).value_or(std::string()), file.fileName});
    }
    MaterialMatch match;
    match.indices = ElementsOfSymbol(query, files);
    if (!match.indices.empty()) {
        match.outcome = match.indices.size() == 1 ? MaterialMatch::Outcome::kFound
                                                  : MaterialMatch::Outcome::kAmbiguous;
    } else {
        match = MatchMaterialName(query, names);
    }
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
    std::string message =
        "no material " + quoted + " among the " + tables + SearchedFolders(folders);
    if (!match.indices.empty()) {
        message += "; close names: " + CandidateList(files, names, match.indices);
    } else {
        message += "; " + std::string(request.listingHint);
    }
    if (LooksLikePath(query)) {
        message += "; no file " + quoted + " either";
    }
    return Refused<fs::path>(LookupRefusal::kNoMaterial,
                             message + HiddenFolderHint(folders, request, places));
}

// The particle of a table: as its second line names it, else as its folder does, else the one
// asked for when one was.
std::optional<Particle> ParticleOfTable(const fs::path& path, const MaterialRequest& request) {
    const MaterialText text = ReadMaterialText(path);
    std::optional<Particle> particle = text.text ? ParticleOfText(*text.text) : std::nullopt;
    if (!particle) {
        particle = ParticleOfFolder(path);
    }
    if (!particle && request.particleGiven) {
        particle = request.particle;
    }
    return particle;
}

}  // namespace

std::string_view ParticleWord(Particle particle) {
    return particle == Particle::kElectron ? "electron" : "positron";
}

LookupResult<std::vector<fs::path>> FindDataFolders(const MaterialRequest& request,
                                                    const DataFolderCandidates& places) {
    using Folders = std::vector<fs::path>;
    const Particle particle = request.particle;
    const std::string option(request.dataDirOption);
    if (request.dataDir) {
        const fs::path folder = InWorkingFolder(places, *request.dataDir);
        if (!HoldsMaterialFolders(folder, particle)) {
            return Refused<Folders>(LookupRefusal::kNoMaterial,
                                    option + ": " + QuotedForMessage(*request.dataDir) +
                                        " holds neither " + FolderNames(particle, " nor "));
        }
        return Accepted(Folders{folder});
    }
    Folders folders = ChooseDataFolders(places, particle);
    const bool any = std::any_of(folders.begin(), folders.end(), [&](const fs::path& folder) {
        return HoldsMaterialFolders(folder, particle);
    });
    if (!folders.empty() && !any) {
        return Refused<Folders>(LookupRefusal::kNoMaterial,
                                "no " + std::string(ParticleWord(particle)) +
                                    " tables beside the positron tables in " +
                                    FolderText(folders.front()) + ": it holds neither " +
                                    FolderNames(particle, " nor "));
    }
    if (folders.empty()) {
        std::string message = "no " + std::string(ParticleWord(particle)) +
                              " tables found: neither the working folder";
        if (places.user) {
            message += ", " + places.user->string();
        }
        return Refused<Folders>(LookupRefusal::kNoMaterial,
                                message + " nor the installed tables hold " +
                                    FolderNames(particle, " or ") + "; see " + option);
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
    } else {
        LookupResult<fs::path> found = FindByName(operand, request, places);
        if (!found) {
            return Refused<FoundMaterial>(found.refusal, std::move(found.message));
        }
        path = std::move(*found.value);
        material.file = path.string();
    }
    ParseResult<MaterialTable> loaded = LoadMaterialTable(path);
    if (!loaded) {
        return Refused<FoundMaterial>(LookupRefusal::kMaterialFile,
                                      MaterialFileMessage(loaded.error));
    }
    material.table = std::move(*loaded.value);
    material.particle = ParticleOfTable(path, request);
    if (request.particleGiven && material.particle && *material.particle != request.particle) {
        const auto named = [](Particle particle) {
            return particle == Particle::kElectron ? "an electron table" : "a positron table";
        };
        return Refused<FoundMaterial>(
            LookupRefusal::kWrongParticle,
            PrintableText(material.file) + " is " + named(*material.particle) + ", not " +
                named(request.particle) + " as " + std::string(request.particleOption) + " asks");
    }
    return Accepted(std::move(material));
}

std::string MaterialFileMessage(MaterialFileError error) {
    const std::size_t end = error.what.rfind("\" is ");
    if (error.what.starts_with('"') && end != std::string::npos && end > 0) {
        error.what = QuotedForMessage(std::string_view(error.what).substr(1, end - 1)) +
                     error.what.substr(end + 1);
    }
    return error.Message();
}

}  // namespace velmora
