// The tables of velmora-query emitters: cells of text or numbers written as aligned text,
// comma-separated values or JSON objects.
#pragma once

#include <string>
#include <vector>

#include "query/query_output.h"

namespace velmora::query {

// One output table of cells: text (left-aligned in text output) or numbers.
struct TableCell {
    std::string text;
    bool isText = false;
};

struct CellTable {
    std::vector<Column> columns;
    std::vector<std::vector<TableCell>> rows;
};

// Aligned columns under two header lines (names, units); text cells left, numbers right.
void AppendText(std::string& out, const CellTable& table);
// A header line "Name (unit)", then one line per row.
void AppendCsv(std::string& out, const CellTable& table);
// ",\n  \"name\": [ {...}, ... ]" and the end of the document: one object per row, its keys the
// columns' names and units in lower case with '_' ("rmax_mm").
void AppendJsonRows(std::string& out, const CellTable& table, const char* name);

}  // namespace velmora::query
