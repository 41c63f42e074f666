// The text of a material file: 91 lines with CR LF ends, name, header, 81 data rows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tablegen/stopping_table.h"

namespace velmora::tablegen {

inline constexpr int kFileLines = 91;
inline constexpr int kFirstDataLine = 11;
inline constexpr int kDataRows = 81;
// 1-based character positions where the five values of a data row start (each eight characters:
// energy, collision, radiative, total stopping power, csda range). Characters 1 to 3 are blanks,
// so characters 4 to 47, the part the table list shows, hold the five values.
inline constexpr std::array<int, 5> kValueColumns = {4, 13, 22, 31, 40};
inline constexpr int kDataLineLength = 47;

// Throws TablegenError unless the name is 1 to 80 printable ASCII characters and not blank.
void CheckMaterialName(std::string_view name);

// The file for a material and its computed table, rows at the grid indices data.outputIndices.
// Every number printed is the value the viewer reads back: energies exactly, the other values
// at four significant digits. Throws TablegenError for a bad name or an unprintable value.
std::string MaterialFileText(const MaterialDefinition& material, const GridTable& table,
                             const ReferenceData& data, const GenerationOptions& options);

// Shortest decimal text that reads back as exactly the same double ("2.635", "8.3748E-05",
// "75.0"), with a decimal point or an exponent always present.
std::string ExactNumberText(double value);

}  // namespace velmora::tablegen
