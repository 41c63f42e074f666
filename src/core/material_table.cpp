// The run's one shared material table.
#include "core/material_table.h"

namespace velmora {

MaterialTable& SharedMaterialTable() {
    static MaterialTable table;
    return table;
}

}  // namespace velmora
