// Reading of comma-separated files with one header line and optional double-quoted fields.
#include "tablegen/csv_table.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

// Splits one line into fields; a quoted field may contain commas and doubled quotes.
std::vector<std::string> SplitCsvLine(std::string_view line, const std::string& where) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted) {
        throw TablegenError(where + ": unterminated quoted field");
    }
    fields.push_back(std::move(field));
    return fields;
}

std::string Where(const std::string& source, std::size_t lineNumber) {
    return source + " line " + std::to_string(lineNumber);
}

}  // namespace

std::size_t CsvTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return i;
        }
    }
    throw TablegenError(source + ": column '" + std::string(name) + "' is missing");
}

double CsvTable::Number(std::size_t row, std::size_t column) const {
    const std::string& text = rows.at(row).at(column);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        throw TablegenError(Where(source, row + 2) + ": '" + text + "' in column '" +
                            header.at(column) + "' is not a number");
    }
    return value;
}

int CsvTable::Integer(std::size_t row, std::size_t column) const {
    const double value = Number(row, column);
    if (value != std::floor(value) || std::fabs(value) > 1e9) {
        throw TablegenError(Where(source, row + 2) + ": '" + rows[row][column] + "' in column '" +
                            header.at(column) + "' is not a whole number");
    }
    return static_cast<int>(value);
}

CsvTable ParseCsv(std::string_view text, std::string source) {
    CsvTable table;
    table.source = std::move(source);
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        auto fields = SplitCsvLine(line, Where(table.source, lineNumber));
        if (table.header.empty()) {
            table.header = std::move(fields);
        } else if (fields.size() != table.header.size()) {
            throw TablegenError(Where(table.source, lineNumber) + ": " +
                                std::to_string(fields.size()) + " fields where the header has " +
                                std::to_string(table.header.size()));
        } else {
            table.rows.push_back(std::move(fields));
        }
    }
    if (table.header.empty()) {
        throw TablegenError(table.source + ": the file is empty");
    }
    return table;
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TablegenError("cannot read " + path.string());
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        throw TablegenError("error while reading " + path.string());
    }
    return content.str();
}

CsvTable ReadCsvFile(const std::filesystem::path& path) {
    return ParseCsv(ReadTextFile(path), path.filename().string());
}

}  // namespace velmora::tablegen
