// Data folders, material file lists and name matching, as the windows find materials.
#include "core/material_catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <system_error>
#include <unordered_set>

namespace velmora {
namespace fs = std::filesystem;
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
    return lowered;
}

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool HoldsBothMaterialFolders(const fs::path& folder, Particle particle) {
    const MaterialFolderNames names = FolderNamesFor(particle);
    return IsDirectory(folder / names.elements) && IsDirectory(folder / names.compounds);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           Lowered(text.substr(text.size() - suffix.size())) == Lowered(suffix);
}

// The files of one material folder of each given folder, first folder first per file name,
// sorted by name ignoring case (the bytes decide between names equal but for case).
void AddFolderFiles(std::span<const fs::path> folders, std::string_view materialFolder,
                    std::string_view extension, MaterialKind kind,
                    std::vector<MaterialFile>& files) {
    std::vector<std::pair<std::string, MaterialFile>> found;  // lower-cased name, file
    std::unordered_set<std::string> seen;
    for (const fs::path& folder : folders) {
        std::error_code error;
        const fs::path dir = folder / materialFolder;
        for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
            std::string name = it->path().filename().string();
            std::error_code typeError;  // a dangling link is no file
            if (name.starts_with('.') || !EndsWithIgnoringCase(name, extension) ||
                !it->is_regular_file(typeError)) {
                continue;
            }
            if (seen.insert(name).second) {
                found.emplace_back(Lowered(name), MaterialFile{dir / name, name, kind});
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.fileName < b.second.fileName;
    });
    for (auto& entry : found) {
        files.push_back(std::move(entry.second));
    }
}

std::string_view Stem(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

// Edit distance between the query and the start of a text of the query's length, so that a typo
// in the first letters of a long name still counts as close.
std::size_t PrefixDistance(std::string_view query, std::string_view text) {
    text = text.substr(0, std::min(text.size(), query.size()));
    std::vector<std::size_t> previous(text.size() + 1), current(text.size() + 1);
    for (std::size_t j = 0; j <= text.size(); ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= query.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= text.size(); ++j) {
            const std::size_t change = previous[j - 1] + (query[i - 1] == text[j - 1] ? 0 : 1);
            current[j] = std::min({change, previous[j] + 1, current[j - 1] + 1});
        }
        std::swap(previous, current);
    }
    return previous[text.size()];
}

}  // namespace

MaterialFolderNames FolderNamesFor(Particle particle) {
    return particle == Particle::kElectron ? MaterialFolderNames{"e_QRV", "e_STC"}
                                           : MaterialFolderNames{"p_QRV", "p_STC"};
}

bool HoldsMaterialFolders(const fs::path& folder, Particle particle) {
    const MaterialFolderNames names = FolderNamesFor(particle);
    return IsDirectory(folder / names.elements) || IsDirectory(folder / names.compounds);
}

std::optional<fs::path> UserDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/') {
        return fs::path(dataHome) / "velmora";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return fs::path(home) / ".local" / "share" / "velmora";
    }
    return std::nullopt;
}

std::vector<fs::path> ChooseDataFolders(const DataFolderCandidates& candidates, Particle particle) {
    if (HoldsMaterialFolders(candidates.working, Particle::kPositron)) {
        return {candidates.working};
    }
    std::vector<fs::path> folders;
    if (candidates.user) {
        if (HoldsBothMaterialFolders(*candidates.user, particle)) {
            return {*candidates.user};
        }
        if (HoldsMaterialFolders(*candidates.user, particle)) {
            folders.push_back(*candidates.user);
        }
    }
    for (const fs::path& bundled : candidates.bundled) {
        if (!bundled.empty() && HoldsMaterialFolders(bundled, Particle::kPositron)) {
            folders.push_back(bundled);
            break;
        }
    }
    return folders;
}

std::vector<MaterialFile> ListMaterialFiles(std::span<const fs::path> folders, Particle particle) {
    const MaterialFolderNames names = FolderNamesFor(particle);
    std::vector<MaterialFile> files;
    AddFolderFiles(folders, names.elements, kElementExtension, MaterialKind::kElement, files);
    AddFolderFiles(folders, names.compounds, kCompoundExtension, MaterialKind::kCompound, files);
    return files;
}

MaterialMatch MatchMaterialName(std::string_view query, std::span<const MaterialNames> materials) {
    MaterialMatch match;
    const std::string wanted = Lowered(query);
    if (wanted.empty()) {
        return match;
    }
    std::vector<std::string> names, files, stems;
    for (const MaterialNames& material : materials) {
        names.push_back(Lowered(material.name));
        files.push_back(Lowered(material.fileName));
        stems.push_back(Lowered(Stem(material.fileName)));
    }
    // A file without a name (unreadable, or line 1 empty) is matched by its file name only.
    const auto named = [&](std::size_t k) { return !names[k].empty(); };
    const std::function<bool(std::size_t)> steps[] = {
        [&](std::size_t k) { return named(k) && names[k] == wanted; },
        [&](std::size_t k) { return files[k] == wanted || stems[k] == wanted; },
        [&](std::size_t k) {
            return (named(k) && names[k].starts_with(wanted)) || files[k].starts_with(wanted);
        },
        [&](std::size_t k) {
            return (named(k) && names[k].find(wanted) != std::string::npos) ||
                   files[k].find(wanted) != std::string::npos;
        },
    };
    for (const auto& matches : steps) {
        for (std::size_t k = 0; k < materials.size(); ++k) {
            if (matches(k)) {
                match.indices.push_back(k);
            }
        }
        if (!match.indices.empty()) {
            match.outcome = match.indices.size() == 1 ? MaterialMatch::Outcome::kFound
                                                      : MaterialMatch::Outcome::kAmbiguous;
            return match;
        }
    }
    // Nothing matched: the names within a few typing errors of the query, closest first.
    const std::size_t tolerance = std::max<std::size_t>(1, wanted.size() / 3);
    std::vector<std::pair<std::size_t, std::size_t>> close;  // distance, index
    for (std::size_t k = 0; k < materials.size(); ++k) {
        std::size_t distance = PrefixDistance(wanted, stems[k]);
        if (named(k)) {
            distance = std::min(distance, PrefixDistance(wanted, names[k]));
        }
        if (distance <= tolerance) {
            close.emplace_back(distance, k);
        }
    }
    std::sort(close.begin(), close.end());
    for (const auto& [distance, index] : close) {
        match.indices.push_back(index);
    }
    return match;
}

}  // namespace velmora
