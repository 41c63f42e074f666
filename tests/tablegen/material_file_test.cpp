// The written file: 91 CR LF lines, the header, five aligned four-digit values per data row that
// read back as exactly the values meant, and the eight-character number form.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tablegen/material_file_text.h"
#include "tablegen/short_scientific.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

using testing::Reference;
using testing::ReferenceMaterialById;
using testing::SplitCrLfLines;
using testing::ViewerFields;

MaterialDefinition Water() {
    const ReferenceMaterial& m = ReferenceMaterialById(276);
    return {"Water, liquid", m.composition, m.density, m.meanExcitationEv};
}

TEST(TablegenShortScientific, PrintsFourSignificantDigitsInEightCharacters) {
    EXPECT_EQ(FormatShortScientific(0.0125), "1.250E-2");
    EXPECT_EQ(FormatShortScientific(1000.0), "1.000E+3");
    EXPECT_EQ(FormatShortScientific(1.0), "1.000E+0");
    EXPECT_EQ(FormatShortScientific(24.8349), "2.483E+1");
    EXPECT_EQ(FormatShortScientific(24.8351), "2.484E+1");
    EXPECT_EQ(FormatShortScientific(9.99951), "1.000E+1");  // the carry moves the exponent
    EXPECT_EQ(FormatShortScientific(0.000999961), "1.000E-3");
    EXPECT_EQ(FormatShortScientific(1.234e-9), "1.234E-9");
    EXPECT_EQ(FormatShortScientific(9.9994e9), "9.999E+9");
    for (double bad : {0.0, -1.0, 1e-10, 9.9996e9, std::nan(""), HUGE_VAL}) {
        EXPECT_THROW(FormatShortScientific(bad), TablegenError) << bad;
    }
}

TEST(TablegenMaterialFile, HasTheLayoutTheViewerReads) {
    const MaterialDefinition water = Water();
    const GenerationOptions options;
    const GridTable table = ComputeTable(water, Reference(), options);
    const std::string text = MaterialFileText(water, table, Reference(), options);

    // ASCII only, every line ended by CR LF, no lone CR or LF.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        ASSERT_TRUE((c >= 0x20 && c <= 0x7e) || c == '\r' || c == '\n') << "byte " << i;
        if (c == '\r') {
            ASSERT_EQ(text.at(i + 1), '\n');
        }
        if (c == '\n') {
            ASSERT_EQ(text.at(i - 1), '\r');
        }
    }
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    const auto lines = SplitCrLfLines(text);
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[0], "Water, liquid");
    EXPECT_EQ(lines[1].rfind("Positrons:", 0), 0u);
    EXPECT_NE(lines[2].find("velmora-tablegen"), std::string::npos);

    // Line 4: exactly two fields, the density and I themselves.
    const auto head = ViewerFields(lines[3]);
    ASSERT_EQ(head.size(), 2u);
    EXPECT_EQ(head[0], 1.0);
    EXPECT_EQ(head[1], 75.0);

    // Line 10 heads the value columns.
    for (int column : kValueColumns) {
        EXPECT_NE(lines[9][static_cast<std::size_t>(column - 1)], ' ') << column;
        EXPECT_EQ(lines[9][static_cast<std::size_t>(column - 2)], ' ') << column;
    }

    for (std::size_t row = 0; row < 81; ++row) {
        const std::string& line = lines[10 + row];
        const std::size_t k = Reference().outputIndices[row];
        ASSERT_EQ(line.size(), 47u) << line;
        EXPECT_EQ(line.substr(0, 3), "   ");
        // Each value stands at its column, eight characters wide, blanks between.
        for (int column : kValueColumns) {
            const std::string field = line.substr(static_cast<std::size_t>(column - 1), 8);
            EXPECT_EQ(field.find(' '), std::string::npos) << line;
            if (column > 4) {
                EXPECT_EQ(line[static_cast<std::size_t>(column - 2)], ' ') << line;
            }
        }
        const auto fields = ViewerFields(line);
        ASSERT_EQ(fields.size(), 5u) << line;
        EXPECT_EQ(fields[0], table.energy[k]) << "the energy reads back exactly";
        const std::array<double, 4> exact = {table.collision[k], table.radiative[k], table.total[k],
                                             table.csdaRange[k]};
        for (std::size_t q = 0; q < exact.size(); ++q) {
            // Read back = the exact value rounded to four significant digits.
            EXPECT_LE(std::fabs(fields[q + 1] - exact[q]),
                      0.5000001 * testing::FourthDigitUnit(fields[q + 1]))
                << line;
            EXPECT_EQ(fields[q + 1], std::strtod(FormatShortScientific(exact[q]).c_str(), nullptr));
        }
    }
    EXPECT_EQ(ViewerFields(lines[10])[0], 0.01);
    EXPECT_EQ(ViewerFields(lines[90])[0], 1000.0);
}

TEST(TablegenMaterialFile, NamesTheParticleAndTheSwitches) {
    const MaterialDefinition water = Water();
    const auto headOf = [&](const GenerationOptions& options) {
        const auto lines = SplitCrLfLines(MaterialFileText(
            water, ComputeTable(water, Reference(), options), Reference(), options));
        return lines[1] + "\n" + lines[2];
    };
    EXPECT_NE(headOf({Particle::kPositron, true}).find("ratio of Kim et al. 1986: on"),
              std::string::npos);
    EXPECT_NE(headOf({Particle::kPositron, false}).find("--no-positron-ratio"), std::string::npos);
    EXPECT_EQ(headOf({Particle::kElectron, true}).rfind("Electrons:", 0), 0u);
}

TEST(TablegenMaterialFile, WritesDensityAndExcitationEnergyExactly) {
    for (double value : {8.3748e-05, 2.635, 0.000826019, 1.0, 94.0, 85.7, 1e-7}) {
        EXPECT_EQ(std::strtod(ExactNumberText(value).c_str(), nullptr), value);
    }
    EXPECT_EQ(ExactNumberText(75.0), "75.0");
    EXPECT_EQ(ExactNumberText(8.3748e-05), "8.3748E-05");
}

TEST(TablegenMaterialFile, RefusesNamesThatWouldBreakTheLayout) {
    MaterialDefinition water = Water();
    const GenerationOptions options;
    const GridTable table = ComputeTable(water, Reference(), options);
    for (const std::string& bad : std::vector<std::string>{
             "", "   ", "Water\r\nliquid", "Wasser\xC3\xA4", std::string(81, 'x')}) {
        water.name = bad;
        EXPECT_THROW(MaterialFileText(water, table, Reference(), options), TablegenError) << bad;
    }
}

}  // namespace
}  // namespace velmora::tablegen
