// Reading of comma-separated files with one header line and optional double-quoted fields.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tablegen {

struct CsvTable {
    std::string source;  // file name, for error messages
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // every row has as many fields as the header

    // Index of a header column; throws TablegenError naming the file when it is missing.
    std::size_t Column(std::string_view name) const;
    // The field of a row as a finite number; throws naming file, line and column otherwise.
    double Number(std::size_t row, std::size_t column) const;
    int Integer(std::size_t row, std::size_t column) const;
};

// Parses CSV text (LF or CR LF line ends, quotes around fields that hold commas).
CsvTable ParseCsv(std::string_view text, std::string source);

// Reads and parses a file; throws TablegenError when it cannot be read or is malformed.
CsvTable ReadCsvFile(const std::filesystem::path& path);

// Reads a whole file as bytes; throws TablegenError when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace velmora::tablegen
