// The installed tables' folder, fixed when the library is configured.
#include "core/installed_data.h"

namespace velmora {

std::filesystem::path InstalledDataFolder() {
    return VELMORA_INSTALLED_DATA_DIR;
}

}  // namespace velmora
