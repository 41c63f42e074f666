// Parsing of material files: the head (name, density, I) and the full 81-row table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "material_table.h"

namespace velmora {

// Why a material file was refused: the file's name, the 1-based line and what was wrong there.
struct MaterialFileError {
    std::string fileName;
    int line = 0;  // 0 when the fault is not tied to a line (the file could not be read)
    std::string what;

    // One sentence for a message box, naming the file and the line.
    std::string Message() const;
};

struct MaterialHead {
    std::string name;
    double density = 0.0;               // g/cm3
    double meanExcitationEnergy = 0.0;  // eV
};

// Everything one complete load puts into the shared table.
struct LoadedMaterial {
    MaterialHead head;
    TableColumn energyMeV{};
    TableColumn collisionSP{};
    TableColumn radiativeSP{};
    TableColumn totalSP{};
    TableColumn csdaRange{};
    std::array<std::string, kRowSlots> tableLines{};  // characters 4 to 47 of lines 11 to 91
};

// A parse result: a value or the reason for the refusal.
template <typename T>
struct ParseResult {
    std::optional<T> value;
    MaterialFileError error;
    explicit operator bool() const { return value.has_value(); }
};

// Reads line 1 and the two fields of line 4 from the decoded (UTF-8) text of a material file.
// Refuses a text that ends early, a line 4 that does not hold exactly two fields, a field that is
// not a number, or a value that is not positive and finite. fileName is used only in messages.
// A number is [sign] digits [. digits] [E|e [sign] digits] (".5" and "5." included); "inf",
// "nan", hexadecimal and decimal commas are not numbers.
ParseResult<MaterialHead> ParseMaterialHead(std::string_view text, std::string_view fileName);

// The two passes of a full load (numbers field by field, display lines line by line), checked
// completely: 91 lines present, every field a positive finite number, energies and csda ranges
// strictly rising, and each data line holding exactly its row's five fields, so that the numbers of
// row i and the display line of row i always come from the same file line. Lines after line 91 are
// not read.
ParseResult<LoadedMaterial> ParseMaterialFile(std::string_view text, std::string_view fileName);

// Characters 4 to 47 of a data line (at most 44 characters; empty for lines under 4 characters),
// counted in characters (code points), not bytes, of the UTF-8 text. Stray bytes of malformed
// UTF-8 stay with the character before them, so a valid character is never cut.
std::string DisplayPartOfLine(std::string_view line);

// Overwrites the head fields and all 81 rows of the table with a parsed material; row 0 and
// DataFilePath stay as they were.
void CommitLoadedMaterial(MaterialTable& table, const LoadedMaterial& material);

// The path of a material's electron table: its positron table's path with the folder's leading
// "p_" turned into "e_" ("p_STC\Water liquid.stc" gives "e_STC\Water liquid.stc"). Empty when
// the path does not start with a "p_" folder.
std::string ElectronTablePath(std::string_view positronPath);

}  // namespace velmora
