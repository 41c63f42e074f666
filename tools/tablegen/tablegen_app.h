// The program velmora-tablegen as a function: arguments in, files and messages out.
#pragma once

#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace velmora::tablegen {

// Runs the generator; messages go to out, errors to err. Returns the exit status (see
// tablegen_error.h; 0 on success).
// Nothing is written unless every check and computation succeeded. executableDir locates the
// installed reference inputs when --reference is not given.
int RunTablegen(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const std::filesystem::path& executableDir);

// The file name of a custom material: the name with commas before blanks dropped, other
// characters than letters, digits, blank and . _ ( ) + - replaced by '-', plus ".stc". Throws
// TablegenError when nothing usable is left.
std::string FileNameForMaterial(std::string_view name);

}  // namespace velmora::tablegen
