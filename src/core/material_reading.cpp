// Reading material files from disk: size limit, decoding as the windows do, parsing.
#include "core/material_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/sequential_reader.h"

namespace velmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Closes a POSIX file descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

std::string ErrnoText() {
    return std::error_code(errno, std::generic_category()).message();
}

// Reads up to limit bytes; false on a read error (errno tells).
bool ReadUpTo(int fd, std::size_t limit, std::string& bytes) {
    constexpr std::size_t kChunk = 1 << 14;
    while (bytes.size() < limit) {
        const std::size_t start = bytes.size();
        bytes.resize(start + std::min(kChunk, limit - start));
        const ssize_t got = ::read(fd, bytes.data() + start, bytes.size() - start);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        bytes.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got <= 0) {
            return got == 0;
        }
    }
    return true;
}

}  // namespace

MaterialText ReadMaterialText(const std::filesystem::path& path) {
    MaterialText result;
    const FileDescriptor file(path);
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        result.error = ErrnoText();
        return result;
    }
    if (S_ISDIR(status.st_mode)) {
        result.error = "it is a folder";
        return result;
    }
    std::string bytes;
    // One byte more than allowed tells a file that is too large, also one whose size is unknown.
    if (!ReadUpTo(file.get(), kMaxMaterialFileBytes + 1, bytes)) {
        result.error = ErrnoText();
        return result;
    }
    if (bytes.size() > kMaxMaterialFileBytes) {
        result.error = "the file is too large to be a material table";
        return result;
    }
    result.text = DecodeMaterialBytes(bytes);
    return result;
}

std::optional<std::string> ReadMaterialName(const std::filesystem::path& path) {
    constexpr std::size_t kStart = 4096;
    std::string bytes;
    {
        const FileDescriptor file(path);
        if (file.get() < 0 || !ReadUpTo(file.get(), kStart, bytes)) {
            return std::nullopt;
        }
    }
    std::string_view start = bytes;
    if (start.starts_with(kByteOrderMark)) {
        start.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t end = start.find_first_of("\r\n");
    const std::string_view line = start.substr(0, end);
    const bool ascii = std::all_of(line.begin(), line.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (end != std::string_view::npos && ascii) {
        return std::string(line);
    }
    const MaterialText text = ReadMaterialText(path);
    if (!text.text) {
        return std::nullopt;
    }
    SequentialReader reader(*text.text);
    return reader.ReadLine().value_or(std::string());
}

namespace {

template <typename T>
ParseResult<T> Unreadable(const std::filesystem::path& path, const std::string& why) {
    ParseResult<T> result;
    result.error = {path.string(), 0, "the file cannot be read (" + why + ")"};
    return result;
}

}  // namespace

ParseResult<MaterialHead> ReadMaterialHead(const std::filesystem::path& path) {
    const MaterialText text = ReadMaterialText(path);
    if (!text.text) {
        return Unreadable<MaterialHead>(path, text.error);
    }
    return ParseMaterialHead(*text.text, path.string());
}

ParseResult<MaterialTable> LoadMaterialTable(const std::filesystem::path& path) {
    const MaterialText text = ReadMaterialText(path);
    if (!text.text) {
        return Unreadable<MaterialTable>(path, text.error);
    }
    const ParseResult<LoadedMaterial> loaded = ParseMaterialFile(*text.text, path.string());
    ParseResult<MaterialTable> result;
    if (!loaded) {
        result.error = loaded.error;
        return result;
    }
    MaterialTable& table = result.value.emplace();
    table.DataFilePath = path.string();
    CommitLoadedMaterial(table, *loaded.value);
    return result;
}

}  // namespace velmora
