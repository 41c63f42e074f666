// The run's one equal-interval table.
#include "core/interval_table.h"

namespace velmora {

IntervalTable& SharedIntervalTable() {
    static IntervalTable table;
    return table;
}

}  // namespace velmora
