// Material files read from disk without any toolkit: the bytes, their decoding and the parse.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "material_file.h"
#include "material_table.h"
#include "text_decoding.h"  // DecodeMaterialBytes, which the reading applies

namespace velmora {

// The largest file taken for a material table, as in the windows; tables are a few kilobytes.
inline constexpr std::uintmax_t kMaxMaterialFileBytes = 4 * 1024 * 1024;

// The decoded text of a file, or why it could not be read.
struct MaterialText {
    std::optional<std::string> text;
    std::string error;
};

MaterialText ReadMaterialText(const std::filesystem::path& path);

// Line 1 of a material file, the material's name, as the windows would decode it; nullopt when the
// file cannot be read. Reads only the start of the file when line 1 is plain ASCII there, which
// every decoding leaves as it is.
std::optional<std::string> ReadMaterialName(const std::filesystem::path& path);

// Line 1 and line 4 of a material file; refusals name the path as given.
ParseResult<MaterialHead> ReadMaterialHead(const std::filesystem::path& path);

// The whole file read and checked as the OK button of the main window does, committed into a
// fresh table whose DataFilePath is the path as given. Refusals carry the reader's message.
ParseResult<MaterialTable> LoadMaterialTable(const std::filesystem::path& path);

}  // namespace velmora
