// The run's shared tables, which the windows hand to one another. Not installed: a program using
// the core library keeps its own tables.
#pragma once

#include "interval_table.h"
#include "material_table.h"

namespace velmora {

// The one material table shared by every window of a run.
MaterialTable& SharedMaterialTable();

// The run's one equal-interval table.
IntervalTable& SharedIntervalTable();

}  // namespace velmora
