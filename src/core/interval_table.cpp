// The run's one equal-interval table.
#include "core/shared_tables.h"

namespace velmora {

IntervalTable& SharedIntervalTable() {
    static IntervalTable table;
    return table;
}

}  // namespace velmora
