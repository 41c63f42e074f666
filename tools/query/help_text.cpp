// The --help texts of velmora-query and of each subcommand: each lists the options it takes.
#include <string>

#include "query/query_options.h"

namespace velmora::query {
namespace {

constexpr const char* kOverview = R"(Usage: velmora-query SUBCOMMAND [OPTIONS] [OPERANDS]
Mass stopping powers and csda ranges of positrons (or electrons) from Velmora's material tables,
with the same row search and log-log interpolation as the windows.

Subcommands:
  materials [--elements | --compounds]    every material found: file, name, density, I
  show MATERIAL                           the head and the 81 tabulated rows
  at MATERIAL [ENERGY...]                 stopping powers and csda range at energies (MeV)
  energy-for-range MATERIAL [RANGE...]    the energy whose csda range is RANGE (g/cm2)
  interval MATERIAL --from A --to B --step S
                                          the equal-interval table of the table window (MeV)
  velmora-query SUBCOMMAND --help tells more about each and lists its options.
)";

constexpr const char* kMaterial = R"(
MATERIAL is the path of an existing file (holding a '/', or ending in .qrv or .stc) or a name:
an element's chemical symbol written as the symbol is (Pb, W, Co, I) names that element;
otherwise the name is matched ignoring case by the first step that finds anything: the whole
name ("water, liquid"), the file name with or without its extension ("water liquid"), a prefix,
a substring ("kapton"). Several matches are ambiguous and are listed. Materials are looked for as
the windows look for them: the working folder's p_QRV and p_STC, else the user's data folder
($XDG_DATA_HOME/velmora or ~/.local/share/velmora), else the installed tables. The output names
the particle that the file's second line names (the folder's where the line does not tell).
)";

constexpr const char* kExitStatus = R"(
Exit status:
  0  success
  1  the output could not be written or standard input could not be read
  2  the command line was not understood, or no energy or range was given
  3  no material folders were found, or the name is unknown or ambiguous
  4  the material file cannot be read or is malformed, or its csda ranges do not rise
  5  a value was refused: not a number, or outside the table's range
On any refusal nothing is written to standard output; one line on standard error says why.
)";

// Bit k stands for the subcommand of enumerator value k; kNone is the overview.
constexpr unsigned Of(Command command) {
    return 1u << static_cast<unsigned>(command);
}
constexpr unsigned kLookUps =
    Of(Command::kShow) | Of(Command::kAt) | Of(Command::kEnergyForRange) | Of(Command::kInterval);
constexpr unsigned kAll = kLookUps | Of(Command::kMaterials) | Of(Command::kNone);

struct OptionHelp {
    unsigned commands;
    const char* text;
};

constexpr OptionHelp kOptions[] = {
    {Of(Command::kMaterials), R"(  --elements               elements only
  --compounds              compounds and mixtures only (neither option: both)
)"},
    {Of(Command::kInterval), R"(  --from A, --to B, --step S
                           the start, the end and the interval (MeV) as typed into the window
)"},
    {kAll & ~Of(Command::kInterval),
     R"(  --format text|csv|json   aligned columns with units (default), comma-separated values with a
                           header line, or one JSON object
)"},
    {Of(Command::kInterval), R"(  --format text|csv|json|window-csv
                           aligned columns with units (default), comma-separated values with a
                           header line, one JSON object, or the bytes of the table window's file
)"},
    {kAll,
     R"(  --digits N               N significant digits (1 to 17). By default text shows the windows'
                           patterns and csv and json give the shortest text that reads back as
                           the same double
)"},
    {kLookUps | Of(Command::kNone),
     R"(  --linear                 MeV/cm and cm instead of MeV cm2/g and g/cm2, with the density
)"},
    {kAll, R"(  --particle positron|electron
                           positron tables (p_QRV, p_STC; the default) or the electron tables
                           beside them (e_QRV, e_STC), as the graph window compares them
  --data-dir DIR           look for the material folders in DIR only
  --help, --version
)"},
};

constexpr const char* kMaterials = R"(Usage: velmora-query materials [--elements | --compounds]
Lists every material found: file, name, density (g/cm3) and mean excitation energy (eV),
elements first, each group in the order of the windows' lists.
)";

constexpr const char* kShow = R"(Usage: velmora-query show MATERIAL
The material's name, density and mean excitation energy and its 81 tabulated rows: energy,
collision, radiative and total stopping power and csda range, as the file holds them. The csv
format holds the rows only.
)";

constexpr const char* kAt = R"(Usage: velmora-query at MATERIAL [ENERGY...]
Collision, radiative and total stopping power and csda range at each energy (MeV), found exactly
as the main window's energy query finds them; at a tabulated energy, the table's row. Without
ENERGY operands the energies are read from standard input, one or more per line, separated by
blanks or tabs; a '#' starts a comment that runs to the end of its line. An energy is accepted
from 0.01 MeV to 1000 MeV, and not above the table's last energy; every energy is checked before
anything is written.
)";

constexpr const char* kEnergyForRange = R"(Usage: velmora-query energy-for-range MATERIAL [RANGE...]
The energy (MeV) whose csda range is RANGE (g/cm2; cm with --linear), by log-log interpolation in
the csda-range column, the inverse of the energy query: a tabulated range gives its row's energy
exactly. Without RANGE operands the ranges are read from standard input like the energies of at.
A range is accepted from the table's first to its last csda range.
)";

constexpr const char* kInterval =
    R"(Usage: velmora-query interval MATERIAL --from A --to B --step S [--format window-csv]
The table window's equal-interval table: collision and radiative stopping power at A, A + S, ...
up to B (MeV). The rows are those the window computes, and refused with the window's messages.
Text, csv and json give each row exactly as at gives it at the row's energy, which is written as
the decimal it is (0.7, not 0.7000000000000001), and accept rows from 0.01 MeV to 1000 MeV as at
does. --format window-csv writes exactly the bytes of the file the window's Save writes for the
same boxes, below 0.01 MeV too, where the window extrapolates. A table of more than 5000
intervals, which the window cuts short, and a table without any row are refused.
)";

const char* SubcommandText(Command command) {
    switch (command) {
        case Command::kMaterials:
            return kMaterials;
        case Command::kShow:
            return kShow;
        case Command::kAt:
            return kAt;
        case Command::kEnergyForRange:
            return kEnergyForRange;
        case Command::kInterval:
            return kInterval;
        case Command::kNone:
            break;
    }
    return kOverview;
}

}  // namespace

std::string HelpText(Command command) {
    std::string text = SubcommandText(command);
    if (command != Command::kMaterials) {
        text += kMaterial;
    }
    text += "\nOptions:\n";
    for (const OptionHelp& option : kOptions) {
        if ((option.commands & Of(command)) != 0) {
            text += option.text;
        }
    }
    return text + kExitStatus;
}

}  // namespace velmora::query
