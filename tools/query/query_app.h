// The program velmora-query as a function: arguments and standard input in, results out.
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace velmora::query {

// Where the program looks for material folders, as the windows do.
struct QueryEnvironment {
    std::filesystem::path workingFolder;  // empty: the current folder, named by relative paths
    std::optional<std::filesystem::path> userFolder;
    std::vector<std::filesystem::path> bundledFolders;  // installed tables first
};

// Runs one command line. Results go to out, a refusal to err as one line "velmora-query: ...";
// on any refusal nothing at all is written to out. Returns the exit status (see query_error.h).
int RunQuery(std::span<const std::string> args, std::istream& in, std::ostream& out,
             std::ostream& err, const QueryEnvironment& environment);

}  // namespace velmora::query
