// Fuzz target: a whole run of "at" or "energy-for-range" on standard input either writes every
// row or nothing, with one line on standard error. Slower than fuzz_number_list, which fuzzes the
// reading of the numbers alone.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "query/number_list.h"
#include "query/query_app.h"

namespace {

namespace fs = std::filesystem;

fs::path& MaterialPath() {
    static fs::path path;
    return path;
}

// A complete table, 0.01 to 1000 MeV, 16 rows per decade, written once for all runs.
void WriteMaterial() {
    const fs::path folder =
        fs::temp_directory_path() / ("velmora-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    MaterialPath() = folder / "Fuzz.stc";
    std::ofstream file(MaterialPath(), std::ios::binary);
    file << "Fuzz material\r\nPositrons: collision, radiative and total stopping powers, csda "
            "range\r\n\r\n1.0 75.0\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    for (int k = 0; k < 81; ++k) {
        const double e = std::pow(10.0, k / 16.0 - 2);
        char line[128];
        std::snprintf(line, sizeof line, "   %.4E  %.4E  %.4E  %.4E  %.4E\r\n", e,
                      2.0 + 20.0 / (e + 0.05), 0.01 * (e + 0.3), 2.01 + 20.0 / (e + 0.05),
                      0.4 * std::pow(e, 1.7));
        file << line;
    }
}

void CheckWholeRun(const std::string& input, const std::vector<std::string>& args,
                   std::size_t headLines) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status =
        velmora::query::RunQuery(args, in, out, err, {fs::current_path(), std::nullopt, {}});
    const std::string written = out.str(), message = err.str();
    std::size_t items = 0;
    velmora::query::ForEachItem(input, [&items](std::string_view, int) { return ++items > 0; });
    const auto lines = static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n'));
    const bool whole = status == 0 && message.empty() && lines == headLines + items;
    const bool nothing = status != 0 && written.empty() && message.starts_with("velmora-query: ") &&
                         std::count(message.begin(), message.end(), '\n') == 1;
    if (!whole && !nothing) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WriteMaterial();
    std::atexit([] {
        std::error_code error;
        fs::remove_all(MaterialPath().parent_path(), error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string material = MaterialPath().string();
    CheckWholeRun(input, {"at", material}, 3);
    CheckWholeRun(input, {"energy-for-range", material, "--format", "csv"}, 1);
    return 0;
}
