// Shared helpers of the velmora-query tests: running the program in-process on the bundled tables
// and reading its output back as doubles.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/material_file.h"
#include "core/material_table.h"
#include "query/query_app.h"

namespace velmora::query::testing {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

inline fs::path SourcePath(const std::string& relative) {
    return fs::path(VELMORA_SOURCE_DIR) / relative;
}

// The source tree's data folder as the working folder, nothing else to fall back on.
inline QueryEnvironment DataEnvironment() {
    return {SourcePath("data"), std::nullopt, {}};
}

struct QueryRun {
    int status = -1;
    std::string out, err;
};

inline QueryRun Query(const Args& args, const std::string& input = "",
                      const QueryEnvironment& environment = DataEnvironment()) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunQuery(args, in, out, err, environment);
    return {status, out.str(), err.str()};
}

// The output of a command line that must succeed.
inline std::string Output(const Args& args, const std::string& input = "",
                          const QueryEnvironment& environment = DataEnvironment()) {
    const QueryRun run = Query(args, input, environment);
    EXPECT_EQ(run.status, 0) << ::testing::PrintToString(args) << run.err;
    return run.out;
}

inline std::string FileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A material file read and committed the way the main window's OK button does it.
inline MaterialTable LoadTable(const fs::path& path) {
    const ParseResult<LoadedMaterial> loaded = ParseMaterialFile(FileBytes(path), path.string());
    EXPECT_TRUE(loaded) << loaded.error.Message();
    MaterialTable table;
    if (loaded)
        CommitLoadedMaterial(table, *loaded.value);
    return table;
}

// The lines of an output after the first `skip` lines.
inline std::vector<std::string> BodyLines(const std::string& text, std::size_t skip) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line); skip -= skip > 0)
        if (skip == 0)
            lines.push_back(line);
    return lines;
}

// The numbers of each line after the first `skip` lines, split at the separators given.
inline std::vector<std::vector<double>> NumberRows(const std::string& text, std::size_t skip,
                                                   const std::string& separators = ",") {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : BodyLines(text, skip)) {
        std::vector<double>& row = rows.emplace_back();
        for (std::size_t pos = line.find_first_not_of(separators); pos != std::string::npos;) {
            const std::size_t end = std::min(line.find_first_of(separators, pos), line.size());
            double value = 0.0;
            const auto [ptr, ec] = std::from_chars(line.data() + pos, line.data() + end, value);
            EXPECT_TRUE(ec == std::errc() && ptr == line.data() + end) << line;
            row.push_back(value);
            pos = line.find_first_not_of(separators, end);
        }
    }
    return rows;
}

}  // namespace velmora::query::testing
