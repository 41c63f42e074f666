// A material's table as tab-separated text, for pasting into a spreadsheet.
#pragma once

#include <string>

#include "material_table.h"

namespace velmora {

// A header line naming the quantities and their units, then rows 1 to 81: energy, collision,
// radiative and total mass stopping power and csda range, each number written so that it reads
// back as exactly the value of the table. With an electron table, its collision, radiative and
// total stopping power and csda range follow on each row (and its energy before them when its
// energies are not those of the positron table). Lines end with a line feed.
std::string TabSeparatedTable(const MaterialTable& positrons,
                              const MaterialTable* electrons = nullptr);

}  // namespace velmora
