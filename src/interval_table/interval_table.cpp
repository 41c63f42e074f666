// The run's one equal-interval table.
#include "interval_table/interval_table.h"

namespace velmora {

IntervalTable& SharedIntervalTable() {
    static IntervalTable table;
    return table;
}

}  // namespace velmora
