// Entry point of velmora-query, the command-line look-up of stopping powers and csda ranges.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/material_catalogue.h"
#include "query/fd_output.h"
#include "query/query_app.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        executable = argv[0];
    }
    // The bundled tables: installed beside the program, else those of the source tree, as the
    // windows find them.
    const velmora::query::QueryEnvironment environment{
        {},
        velmora::UserDataFolder(),
        {(executable.parent_path() / ".." / "share" / "velmora" / "data").lexically_normal(),
         VELMORA_SOURCE_DATA_DIR}};
    // Written straight to the descriptor, so that a failed write can be told with its reason.
    velmora::query::FileDescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    return velmora::query::RunQuery(args, std::cin, out, std::cerr, environment);
}
