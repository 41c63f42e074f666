// Writing a file so that it is either complete or not there: a temporary file, then a rename.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmora::tablegen {

// Writes content to path through a temporary file in the same folder, renamed over path at the
// end. The folder must exist. With overwrite false an existing file is an error. Throws
// TablegenError and leaves no temporary file behind on any failure.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         bool overwrite);

// The characters allowed in the name of a generated file: letters, digits, blank and . _ ( ) + -
bool IsSafeFileNameChar(char c);
// Only safe characters, not empty, no leading dot or blank, no trailing blank.
bool IsSafeFileName(std::string_view name);

}  // namespace velmora::tablegen
