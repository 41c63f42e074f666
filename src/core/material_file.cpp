// Reading and checking material files: the head values, the 81 data rows and their display lines.
#include "core/material_file.h"

#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "core/portable_numbers.h"
#include "core/sequential_reader.h"

namespace velmora {

namespace {

constexpr int kHeadValueLine = 4;     // density and mean excitation energy
constexpr int kLinesBeforeRows = 10;  // row i stands on line kLinesBeforeRows + i
constexpr int kLinesInLayout = 91;
constexpr int kHeadFields = 2;
constexpr int kRowFields = 5;
constexpr int kDisplayFirstChar = 3;  // 0-based index of the 4th character
constexpr int kDisplayChars = 44;     // characters 4 to 47

constexpr const char* kHeadFieldNames[kHeadFields] = {"density", "mean excitation energy"};
constexpr const char* kRowFieldNames[kRowFields] = {"energy", "collision stopping power",
                                                    "radiative stopping power",
                                                    "total stopping power", "csda range"};

// One pass over the text: the reader and the first fault found.
struct Pass {
    Pass(std::string_view text, std::string_view fileName) : reader(text) {
        error.fileName = fileName;
    }
    SequentialReader reader;
    MaterialFileError error;

    bool Fail(int line, std::string what) {
        error.line = line;
        error.what = std::move(what);
        return false;
    }
};

// The text ended before something the layout needs.
bool EndedEarly(Pass& pass, const std::string& needed) {
    const int last = pass.reader.LastLineNumber();
    if (last == 0) {
        return pass.Fail(0, "the file is empty");
    }
    return pass.Fail(last, "the file ends after this line, before " + needed +
                               "; a material file has " + std::to_string(kLinesInLayout) +
                               " lines");
}

// Converts one field to a positive finite number, or explains why it is not one.
std::optional<std::string> NumberFault(std::string_view field, double& value) {
    if (field.empty()) {
        return std::string("a field is empty");
    }
    const auto quoted = [field] {
        std::string text;
        text.reserve(field.size() + 2);
        text.append(1, '"').append(field).append(1, '"');
        return text;
    };
    if (!IsDecimalNumber(field)) {
        return quoted() + " is not a number";
    }
    std::string_view digits = field.front() == '+' ? field.substr(1) : field;
    const auto [end, status] =
        portable::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (status == std::errc::result_out_of_range || !std::isfinite(value)) {
        return quoted() + " is beyond the range of numbers";
    }
    if (status != std::errc() || end != digits.data() + digits.size()) {
        return quoted() + " is not a number";
    }
    if (!(value > 0.0)) {
        return quoted() + " is not greater than zero";
    }
    return std::nullopt;
}

// Why a line did not hold its fields: it ran out after `found` of `needed` fields.
std::string TooFewFields(int found, int needed) {
    const std::string need = needed == kRowFields ? "five" : "two";
    if (found == 0) {
        return "the line holds no field, but " + need + " numbers belong here";
    }
    return "the line holds only " + std::to_string(found) + " field" + (found == 1 ? "" : "s") +
           ", but " + need + " numbers belong here";
}

// "the density", "the csda range of row 12": named only when a message needs it.
std::string Quantity(const char* name, int row) {
    return std::string("the ") + name + (row > 0 ? " of row " + std::to_string(row) : "");
}

// Reads the `count` fields that line `line` must hold, in order, into values[0..count); row is
// the data row of the line, 0 for the head line.
bool ReadFieldsOfLine(Pass& pass, int line, int row, const char* const names[], int count,
                      double values[]) {
    for (int k = 0; k < count; ++k) {
        const std::optional<std::string> field = pass.reader.ReadValue();
        if (!field && pass.reader.LastLineNumber() < line) {
            return EndedEarly(pass, Quantity(names[k], row) + " on line " + std::to_string(line));
        }
        if (!field || pass.reader.LastValueLine() != line) {
            return pass.Fail(line, TooFewFields(k, count));
        }
        if (auto fault = NumberFault(*field, values[k])) {
            return pass.Fail(line, *fault + " where " + Quantity(names[k], row) + " belongs");
        }
    }
    return true;
}

// After a line's last field the rest of that line must be empty or blank.
bool CheckRestOfLine(Pass& pass, int line, int fields) {
    if (pass.reader.LineNumber() != line) {
        return true;  // the last field's line end was consumed
    }
    const std::string rest = pass.reader.ReadLine().value_or("");
    if (rest.find_first_not_of(" \t") == std::string::npos) {
        return true;
    }
    return pass.Fail(line, "the line holds more than " +
                               std::string(fields == kRowFields ? "five" : "two") + " fields");
}

bool SkipLines(Pass& pass, int count) {
    for (int k = 0; k < count; ++k) {
        if (!pass.reader.ReadLine()) {
            return EndedEarly(pass, "line " + std::to_string(pass.reader.LastLineNumber() + 1));
        }
    }
    return true;
}

// Lines 1 to 4: the name, two free lines, the density and the mean excitation energy.
bool ReadHead(Pass& pass, MaterialHead& head) {
    std::optional<std::string> name = pass.reader.ReadLine();
    if (!name) {
        return EndedEarly(pass, "line 1");
    }
    head.name = std::move(*name);
    double values[kHeadFields] = {};
    if (!SkipLines(pass, kHeadValueLine - 2) ||
        !ReadFieldsOfLine(pass, kHeadValueLine, 0, kHeadFieldNames, kHeadFields, values) ||
        !CheckRestOfLine(pass, kHeadValueLine, kHeadFields)) {
        return false;
    }
    head.density = values[0];
    head.meanExcitationEnergy = values[1];
    return true;
}

bool ReadRow(Pass& pass, int row, LoadedMaterial& material) {
    const int line = kLinesBeforeRows + row;
    double values[kRowFields] = {};
    if (!ReadFieldsOfLine(pass, line, row, kRowFieldNames, kRowFields, values) ||
        !CheckRestOfLine(pass, line, kRowFields)) {
        return false;
    }
    if (row > kFirstRow && !(values[0] > material.energyMeV[row - 1])) {
        return pass.Fail(line, "the energy of row " + std::to_string(row) +
                                   " is not greater than the energy of the row before");
    }
    // A range that does not rise with energy would be interpolated into nonsense.
    if (row > kFirstRow && !(values[4] > material.csdaRange[row - 1])) {
        return pass.Fail(line, "the csda range of row " + std::to_string(row) +
                                   " is not greater than the csda range of the row before");
    }
    material.energyMeV[row] = values[0];
    material.collisionSP[row] = values[1];
    material.radiativeSP[row] = values[2];
    material.totalSP[row] = values[3];
    material.csdaRange[row] = values[4];
    return true;
}

// First pass: the head values, then the 81 rows of numbers.
bool ReadNumbers(Pass& pass, LoadedMaterial& material) {
    if (!ReadHead(pass, material.head) || !SkipLines(pass, kLinesBeforeRows - kHeadValueLine)) {
        return false;
    }
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (!ReadRow(pass, row, material)) {
            return false;
        }
    }
    return true;
}

// Second pass: the display text of lines 11 to 91.
bool ReadDisplayLines(Pass& pass, LoadedMaterial& material) {
    if (!SkipLines(pass, kLinesBeforeRows)) {
        return false;
    }
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const std::optional<std::string> line = pass.reader.ReadLine();
        if (!line) {
            return EndedEarly(pass, "line " + std::to_string(kLinesBeforeRows + row));
        }
        material.tableLines[row] = DisplayPartOfLine(*line);
    }
    return true;
}

// Byte offset of the character with 0-based index `index`, or text.size() if there is none.
// A byte starts a character unless it is a UTF-8 continuation byte (10xxxxxx).
std::size_t CharacterOffset(std::string_view text, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const bool continuation = pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80;
        if (!continuation && seen++ == index) {
            return pos;
        }
    }
    return text.size();
}

}  // namespace

std::string MaterialFileError::Message() const {
    std::string message = "\"" + fileName + "\"";
    if (line > 0) {
        message += ", line " + std::to_string(line);
    }
    return message + ": " + what + ".";
}

ParseResult<MaterialHead> ParseMaterialHead(std::string_view text, std::string_view fileName) {
    Pass pass(text, fileName);
    ParseResult<MaterialHead> result;
    MaterialHead head;
    if (ReadHead(pass, head)) {
        result.value = std::move(head);
    } else {
        result.error = std::move(pass.error);
    }
    return result;
}

ParseResult<LoadedMaterial> ParseMaterialFile(std::string_view text, std::string_view fileName) {
    ParseResult<LoadedMaterial> result;
    LoadedMaterial material;
    Pass numbers(text, fileName);
    if (!ReadNumbers(numbers, material)) {
        result.error = std::move(numbers.error);
        return result;
    }
    Pass lines(text, fileName);
    if (!ReadDisplayLines(lines, material)) {
        result.error = std::move(lines.error);
        return result;
    }
    result.value = std::move(material);
    return result;
}

std::string DisplayPartOfLine(std::string_view line) {
    const std::size_t begin = CharacterOffset(line, kDisplayFirstChar);
    const std::string_view rest = line.substr(begin);
    return std::string(rest.substr(0, CharacterOffset(rest, kDisplayChars)));
}

void CommitLoadedMaterial(MaterialTable& table, const LoadedMaterial& material) {
    table.MaterialName = material.head.name;
    table.Density = material.head.density;
    table.MeanExcitationEnergy = material.head.meanExcitationEnergy;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        table.EnergyMeV[row] = material.energyMeV[row];
        table.CollisionSP[row] = material.collisionSP[row];
        table.RadiativeSP[row] = material.radiativeSP[row];
        table.TotalSP[row] = material.totalSP[row];
        table.CsdaRange[row] = material.csdaRange[row];
        table.TableLines[row] = material.tableLines[row];
    }
}

std::string ElectronTablePath(std::string_view positronPath) {
    const size_t separator = positronPath.find_first_of("\\/");
    if (!positronPath.starts_with("p_") || separator == std::string_view::npos || separator < 3) {
        return {};
    }
    std::string path(positronPath);
    path[0] = 'e';
    return path;
}

}  // namespace velmora
