// Shared helpers of the generator tests: data locations, the reference inputs, file reading.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tablegen/csv_table.h"
#include "tablegen/reference_data.h"

namespace velmora::tablegen::testing {

inline std::filesystem::path SourcePath(const std::string& relative) {
    return std::filesystem::path(VELMORA_SOURCE_DIR) / relative;
}

inline std::filesystem::path TestDataPath(const std::string& name) {
    return SourcePath("tests/tablegen/data/" + name);
}

// The project's reference inputs, loaded once per test program.
inline const ReferenceData& Reference() {
    static const ReferenceData data = LoadReferenceData(SourcePath("data/reference"));
    return data;
}

inline const ReferenceMaterial& ReferenceMaterialById(int id) {
    for (const ReferenceMaterial& m : Reference().materials) {
        if (m.id == id) {
            return m;
        }
    }
    throw std::out_of_range("no reference material " + std::to_string(id));
}

// One unit in the fourth significant digit of a value printed at four digits.
inline double FourthDigitUnit(double value) {
    return std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 3.0);
}

// Splits a file's text at CR LF; the text must end with CR LF.
inline std::vector<std::string> SplitCrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));  // an unterminated last line
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The numbers of a line as the viewer reads them: fields separated by commas or blanks.
inline std::vector<double> ViewerFields(std::string_view line) {
    std::vector<double> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == ',')) {
            ++pos;
        }
        const std::size_t end = line.find_first_of(" ,", pos);
        const std::string field(line.substr(pos, end == std::string_view::npos ? end : end - pos));
        if (!field.empty()) {
            std::size_t used = 0;
            const double value = std::stod(field, &used);
            fields.push_back(used == field.size() ? value : std::nan(""));
        }
        pos = end == std::string_view::npos ? line.size() : end;
    }
    return fields;
}

}  // namespace velmora::tablegen::testing
