// Shared helpers of the generator tests: data locations, the reference inputs, file reading.
#pragma once

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tablegen/csv_table.h"
#include "tablegen/reference_data.h"
#include "tablegen/stopping_table.h"

namespace velmora::tablegen::testing {

inline std::filesystem::path SourcePath(const std::string& relative) {
    return std::filesystem::path(VELMORA_SOURCE_DIR) / relative;
}

inline CsvTable TestData(const std::string& name) {
    return ReadCsvFile(SourcePath("tests/tablegen/data/" + name));
}

// The project's reference inputs, loaded once per test program.
inline const ReferenceData& Reference() {
    static const ReferenceData data = LoadReferenceData(SourcePath("data/reference"));
    return data;
}

// A material of the reference list, named as in the list.
inline MaterialDefinition DefinitionOf(int id) {
    for (const ReferenceMaterial& m : Reference().materials) {
        if (m.id == id) {
            return {m.listName, m.composition, m.density, m.meanExcitationEv};
        }
    }
    throw std::out_of_range("no reference material " + std::to_string(id));
}

inline GridTable TableOf(int id, GenerationOptions options = {}) {
    return ComputeTable(DefinitionOf(id), Reference(), options);
}

// One unit in the fourth significant digit of a value printed at four digits.
inline double FourthDigitUnit(double value) {
    return std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 3.0);
}

// The numbers of a line, separated by commas or blanks, up to the first that does not read.
inline std::vector<double> ViewerFields(std::string line) {
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream in(line);
    std::vector<double> fields;
    for (double value; in >> value;) {
        fields.push_back(value);
    }
    return fields;
}

}  // namespace velmora::tablegen::testing
