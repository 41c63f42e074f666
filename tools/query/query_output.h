// Writing results as aligned text, comma-separated values or JSON.
#pragma once

#include <algorithm>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/material_catalogue.h"
#include "core/material_lookup.h"
#include "query/parallel.h"
#include "query/query_options.h"

namespace velmora::query {

// How numbers are written: through one of the program's patterns (FormatPattern), as the
// shortest text that reads back as the same double, or as the plain number text (NumberText).
struct NumberStyle {
    enum class Kind { kPattern, kShortest, kPlain };
    Kind kind = Kind::kShortest;
    std::string pattern;
};

// "0.000E+00" for 4 digits, "0E+00" for 1: N significant digits in scientific form.
std::string ScientificPattern(int digits);

void AppendNumber(std::string& out, double value, const NumberStyle& style);
std::string NumberString(double value, const NumberStyle& style);

// Text for a JSON string, quotes included; bytes that are not UTF-8 are decoded as a material
// file's would be, so that the result is always valid JSON.
std::string JsonString(std::string_view text);

// A field for a comma-separated line, quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

// The particle's word in titles and JSON, as the core's look-up messages name it.
using velmora::ParticleWord;

struct Column {
    std::string name;  // "Collision"; JSON uses it lower-cased with '_' for blanks
    std::string unit;  // "MeV cm2/g"
};

// What the output says about the material above its numbers.
struct TableHead {
    std::string material;
    std::string file;
    Particle particle = Particle::kPositron;
    double density = 0.0;
    double meanExcitationEnergy = 0.0;
    bool showHeadValues = false;  // text: a line with the density and mean excitation energy
};

// Writes one table of numbers: the head, then rows formatted in blocks on the machine's cores and
// written in order, then the end.
class TableWriter {
  public:
    TableWriter(std::ostream& out, OutputFormat format, NumberStyle style,
                std::vector<Column> columns);
    void Begin(const TableHead& head);
    // Writes count rows; rowOf(k) gives the values of row k (a std::array or vector of doubles)
    // and may be called from several threads at once.
    template <typename RowOf>
    void Rows(std::size_t count, RowOf&& rowOf);
    void End();

  private:
    // Appends one row; the first row of a JSON table has no comma before it.
    void AppendRow(std::string& out, std::span<const double> values, bool first) const;
    void Write(const std::string& text);

    std::ostream& out_;
    OutputFormat format_;
    NumberStyle style_;
    std::vector<Column> columns_;
    std::vector<std::size_t> widths_;
    bool anyRow_ = false;
};

template <typename RowOf>
void TableWriter::Rows(std::size_t count, RowOf&& rowOf) {
    constexpr std::size_t kBlockRows = 1 << 16;
    std::vector<std::string> parts;  // kept from block to block, so that their memory is reused
    for (std::size_t start = 0; start < count; start += kBlockRows) {
        const std::size_t rows = std::min(kBlockRows, count - start);
        parts.resize(std::max(parts.size(), PartCount(rows)));
        InParallel(rows, [&](std::size_t begin, std::size_t end, std::size_t part) {
            std::string& text = parts[part];
            text.clear();
            text.reserve((end - begin) * 16 * columns_.size());
            for (std::size_t k = start + begin; k < start + end; ++k) {
                const auto values = rowOf(k);
                AppendRow(text, values, !anyRow_ && k == 0);
            }
        });
        for (std::size_t part = 0; part < PartCount(rows); ++part) {
            Write(parts[part]);
        }
    }
    anyRow_ = anyRow_ || count > 0;
}

}  // namespace velmora::query
