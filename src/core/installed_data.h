// Where an installation of Velmora keeps its bundled material tables.
#pragma once

#include <filesystem>

namespace velmora {

// The folder of the installed tables (it holds p_QRV, p_STC, e_QRV and e_STC) for the
// installation prefix the library was built for: /usr/share/velmora/data for the Debian package.
// A copy installed elsewhere (cmake --install --prefix) has its tables in the folder its CMake
// package names in Velmora_DATA_DIR. The folder is not checked: it may not exist.
std::filesystem::path InstalledDataFolder();

}  // namespace velmora
