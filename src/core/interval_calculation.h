// The equal-interval table without any window: rows planned from the typed boxes, their stopping
// powers, the list lines and the bytes of the saved comma-separated file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interval_table.h"
#include "material_table.h"

namespace velmora {

// Start, end and interval of one table, in keV, and the index n of its last row.
struct IntervalPlan {
    double startKeV = 0.0;
    double endKeV = 0.0;
    double stepKeV = 0.0;
    int lastRow = -1;           // n; -1 when the end lies before the start: no rows at all
    bool capped = false;        // more than 5000 intervals were asked for: cut at row 5000
    std::string cappedEndText;  // when capped: the energy of row 5000 (MeV) for the end box
};

// Energy of row i in MeV: (S + i x D) x 0.001, always from the start, the interval and i.
double RowEnergyMeV(const IntervalPlan& plan, int row);

struct IntervalRowValues {
    double collision = 0.0;  // MeV cm2/g
    double radiative = 0.0;  // MeV cm2/g
};

// A message with numbered places (%1 to %9) and the texts that go into them. The text is English;
// a window with another language looks it up by context and text in its translation and fills in
// the same arguments.
struct MessageTemplate {
    const char* context = "";
    const char* text = "";
    std::vector<std::string> arguments;
};

// The text with every %1 to %9 replaced by the argument of that number; a place without an
// argument stays as it is, and what was put in is not searched again.
std::string FillMessage(std::string_view text, const std::vector<std::string>& arguments);

// A computed table that has not yet been committed to the shared one.
struct IntervalCandidate {
    IntervalPlan plan;
    std::vector<IntervalRowValues> rows;  // rows 0 to n
    std::string refusal;                  // empty when usable; otherwise a message for the user
    MessageTemplate refusalMessage;       // the refusal before its numbers were filled in
};

// Reads the start, end and interval texts (MeV), caps the table at 5000 intervals and computes
// every row from the material table. Refuses, without any partial result, inputs that are not
// finite after conversion to keV, an interval of zero, and any row whose energy is not positive,
// lies above the table's last energy, or gives a stopping power that is not a positive finite
// number. A start or end at or below 0 MeV is refused only through such a row: a table without
// rows (lastRow -1) is no refusal.
IntervalCandidate ComputeIntervalTable(const MaterialTable& material, std::string_view startText,
                                       std::string_view endText, std::string_view intervalText);

// Writes rows 0 to n of the candidate into the shared table; rows above n keep their values.
void CommitIntervalRows(const IntervalCandidate& candidate, IntervalTable& table);

// One 34-character row of the window's list: energy, collision and radiative stopping power.
std::string IntervalListLine(double energyMeV, double collision, double radiative);

// The whole comma-separated file of rows 0 to n of the shared table: the header line and one
// line per row, each ended with CR LF.
std::string IntervalCsvText(const IntervalPlan& plan, const IntervalTable& table);

// Whether a typed file name holds a path separator or a character that file names cannot hold
// on the systems the saved files travel to (\ / : * ? " < > | and control characters).
bool FileNameHasForbiddenCharacter(std::string_view name);

// A listed file name less its last four characters (".csv"); empty for a shorter name.
std::string NameWithoutExtension(std::string_view listedName);

}  // namespace velmora
