// Entry point of velmora-tablegen, the generator of positron stopping-power material files.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tablegen/tablegen_app.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        executable = argv[0];
    }
    return velmora::tablegen::RunTablegen(args, std::cout, std::cerr, executable.parent_path());
}
