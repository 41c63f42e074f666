// Writing files so that each is either complete or not there: temporary files, then renames.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace velmora::tablegen {

struct FileToWrite {
    std::filesystem::path path;
    std::string content;
    bool createFolder = false;  // make a missing folder (only once every check has passed)
};

// Writes the files together: every target is checked first (its folder must exist unless
// createFolder is set; with overwrite false an existing file is an error), then every file is
// written under a temporary name in its folder, and only when all of them were written are they
// renamed to their names. Throws TablegenError and leaves no temporary file behind on a failure;
// a failed check or write leaves every target as it was.
void WriteFilesAtomically(std::span<const FileToWrite> files, bool overwrite);

// One file the same way; its folder must exist.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         bool overwrite);

// The characters allowed in the name of a generated file: letters, digits, blank and . _ ( ) + -
bool IsSafeFileNameChar(char c);
// Only safe characters, not empty, no leading dot or blank, no trailing blank.
bool IsSafeFileName(std::string_view name);

}  // namespace velmora::tablegen
