// Writing a file so that it is either complete or not there: a temporary file, then a rename.
#include "tablegen/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

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

void WriteFileAtomically(const fs::path& path, std::string_view content, bool overwrite) {
    std::error_code error;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (!fs::is_directory(folder, error)) {
        throw TablegenError("the folder " + folder.string() + " does not exist");
    }
    if (!overwrite && fs::exists(path, error)) {
        throw TablegenError(path.string() + " exists already (use --force to replace it)");
    }
    const fs::path temporary = TemporaryPath(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            RemoveQuietly(temporary);
            throw TablegenError("cannot write " + temporary.string());
        }
    }
    fs::rename(temporary, path, error);
    if (error) {
        RemoveQuietly(temporary);
        throw TablegenError("cannot create " + path.string() + ": " + error.message());
    }
}

}  // namespace velmora::tablegen
