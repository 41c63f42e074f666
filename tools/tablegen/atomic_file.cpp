// Writing files so that each is either complete or not there: temporary files, then renames.
#include "tablegen/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;

fs::path TemporaryPath(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name(".");
    name += path.filename().string();
    name += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return path.parent_path() / name;
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

fs::path FolderOf(const fs::path& path) {
    return path.parent_path().empty() ? fs::path(".") : path.parent_path();
}

void CheckTarget(const FileToWrite& file, bool overwrite) {
    std::error_code error;
    const fs::path folder = FolderOf(file.path);
    if (!fs::is_directory(folder, error)) {
        if (fs::exists(folder, error)) {
            throw TablegenError(folder.string() + " is not a folder", kExitIoFailure);
        }
        if (file.createFolder) {
            return;  // made later; a folder not there yet holds no file to keep
        }
        throw TablegenError("the folder " + folder.string() + " does not exist", kExitIoFailure);
    }
    if (!overwrite && fs::exists(file.path, error)) {
        throw TablegenError(file.path.string() + " exists already (use --force to replace it)",
                            kExitIoFailure);
    }
}

void CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw TablegenError("cannot create " + folder.string() + ": " + error.message(),
                            kExitIoFailure);
    }
}

// Removes the file itself when it cannot be written completely.
void WriteTemporary(const fs::path& temporary, std::string_view content) {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        // The stream keeps no reason; the failed open, write or close left it in errno.
        const std::string reason = errno != 0 ? std::strerror(errno) : "the write failed";
        RemoveQuietly(temporary);
        throw TablegenError("cannot write " + temporary.string() + ": " + reason, kExitIoFailure);
    }
}

void RenameOver(const fs::path& temporary, const fs::path& path) {
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        throw TablegenError("cannot create " + path.string() + ": " + error.message(),
                            kExitIoFailure);
    }
}

}  // namespace

bool IsSafeFileNameChar(char c) {
    const bool alnum = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    return alnum || std::string_view(" ._()+-").find(c) != std::string_view::npos;
}

bool IsSafeFileName(std::string_view name) {
    if (name.empty() || name.front() == '.' || name.front() == ' ' || name.back() == ' ') {
        return false;
    }
    for (char c : name) {
        if (!IsSafeFileNameChar(c)) {
            return false;
        }
    }
    return true;
}

void WriteFilesAtomically(std::span<const FileToWrite> files, bool overwrite) {
    for (const FileToWrite& file : files) {
        CheckTarget(file, overwrite);
    }
    for (const FileToWrite& file : files) {
        if (file.createFolder) {
            CreateFolder(FolderOf(file.path));
        }
    }
    std::vector<fs::path> temporaries;
    std::size_t renamed = 0;
    try {
        for (const FileToWrite& file : files) {
            temporaries.push_back(TemporaryPath(file.path));
            WriteTemporary(temporaries.back(), file.content);
        }
        for (; renamed < files.size(); ++renamed) {
            RenameOver(temporaries[renamed], files[renamed].path);
        }
    } catch (...) {
        for (std::size_t i = renamed; i < temporaries.size(); ++i) {
            RemoveQuietly(temporaries[i]);
        }
        throw;
    }
}

void WriteFileAtomically(const fs::path& path, std::string_view content, bool overwrite) {
    const FileToWrite file{path, std::string(content)};
    WriteFilesAtomically({&file, 1}, overwrite);
}

}  // namespace velmora::tablegen
