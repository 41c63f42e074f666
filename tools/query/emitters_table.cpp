// Writing the tables of velmora-query emitters.
#include "query/emitters_table.h"

#include <algorithm>

namespace velmora::query {
namespace {

std::string JsonKey(const Column& column) {
    if (column.name.starts_with("Csda range beyond")) {
        return "beyond_percent";  // the thickness is given in the head
    }
    std::string key;
    for (const char c : column.name + (column.unit.empty() ? "" : " " + column.unit)) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        } else if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        } else if (!key.empty() && key.back() != '_') {
            key += '_';
        }
    }
    while (!key.empty() && key.back() == '_') {
        key.pop_back();
    }
    return key;
}

}  // namespace

void AppendText(std::string& out, const CellTable& table) {
    std::vector<std::size_t> widths;
    for (std::size_t k = 0; k < table.columns.size(); ++k) {
        std::size_t width = std::max(table.columns[k].name.size(), table.columns[k].unit.size());
        for (const auto& row : table.rows) {
            width = std::max(width, row[k].text.size());
        }
        widths.push_back(width);
    }
    const auto line = [&](const auto& cellText, const auto& isLeft) {
        std::string text;
        for (std::size_t k = 0; k < widths.size(); ++k) {
            const std::string& cell = cellText(k);
            const std::string pad(widths[k] - cell.size(), ' ');
            text += (k > 0 ? "  " : "") + (isLeft(k) ? cell + pad : pad + cell);
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        out += text + "\n";
    };
    const auto leftColumn = [&](std::size_t k) {
        return !table.rows.empty() && table.rows.front()[k].isText;
    };
    line([&](std::size_t k) -> const std::string& { return table.columns[k].name; }, leftColumn);
    line([&](std::size_t k) -> const std::string& { return table.columns[k].unit; }, leftColumn);
    for (const auto& row : table.rows) {
        line([&](std::size_t k) -> const std::string& { return row[k].text; },
             [&](std::size_t k) { return row[k].isText; });
    }
}

void AppendCsv(std::string& out, const CellTable& table) {
    for (std::size_t k = 0; k < table.columns.size(); ++k) {
        const Column& c = table.columns[k];
        out +=
            (k > 0 ? "," : "") + CsvField(c.unit.empty() ? c.name : c.name + " (" + c.unit + ")");
    }
    out += "\n";
    for (const auto& row : table.rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            out += (k > 0 ? "," : "") + (row[k].isText ? CsvField(row[k].text) : row[k].text);
        }
        out += "\n";
    }
}

void AppendJsonRows(std::string& out, const CellTable& table, const char* name) {
    out += ",\n  \"" + std::string(name) + "\": [";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += std::string(r > 0 ? "," : "") + "\n    {";
        for (std::size_t k = 0; k < table.columns.size(); ++k) {
            const TableCell& cell = table.rows[r][k];
            out += (k > 0 ? ", " : "") + JsonString(JsonKey(table.columns[k])) + ": " +
                   (cell.isText ? JsonString(cell.text) : cell.text);
        }
        out += "}";
    }
    out += table.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
}

}  // namespace velmora::query
