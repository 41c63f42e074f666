// The electron table of the material the graphs show, read from the electron folder beside the
// material's own folder, for drawing both particles side by side.
#pragma once

#include <QString>
#include <optional>

#include "core/material_table.h"

namespace velmora {

struct ElectronTable {
    std::optional<MaterialTable> table;  // rows and head, when there is a usable electron table
    QString unavailable;                 // otherwise, why there is none
};

// Reads and checks the electron table of the material whose positron table is given (its
// DataFilePath names the file). A missing or unreadable file, a file that does not hold a complete
// table, or a table of another material gives no table and the reason.
ElectronTable ReadElectronTable(const MaterialTable& positrons);

}  // namespace velmora
