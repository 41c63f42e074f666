// The run's one shared material table.
#include "core/shared_tables.h"

namespace velmora {

MaterialTable& SharedMaterialTable() {
    static MaterialTable table;
    return table;
}

}  // namespace velmora
