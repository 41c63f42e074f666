// Tests of material file parsing, its refusals, the display text of rows and committing a load.
#include "core/material_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr const char* kFileName = "Fe.qrv";

std::string Scientific(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4E", value);
    return text;
}

// A valid material file: ten head lines and 81 rows of five fields, composed on demand so that
// tests can change a field, a separator or a whole line.
struct Sample {
    std::vector<std::string> head = {"Iron (Fe)",
                                     "Z = 26",
                                     "positrons",
                                     "7.874, 286.0",
                                     "",
                                     "Energy  Collision  Radiative  Total  CSDA",
                                     "MeV     MeV cm2/g",
                                     "",
                                     "",
                                     "----"};
    std::vector<std::vector<std::string>> rows;  // rows[0] is row 1
    std::string separator = "  ";
    std::string lineTail;  // appended to every data line

    explicit Sample(double scale = 1.0) {
        const double mantissas[16] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 3.5,
                                      4, 4.5,  5,   5.5,  6, 7,   8, 9};
        for (int k = 0; k < 81; ++k) {
            const double e = k == 80 ? 1000.0 : mantissas[k % 16] * std::pow(10.0, k / 16 - 2);
            const double collision = scale * (2.0 + 20.0 / (e + 0.05));
            const double radiative = scale * 0.01 * (e + 0.3);
            rows.push_back({Scientific(e), Scientific(collision), Scientific(radiative),
                            Scientific(collision + radiative), Scientific(e / (2.0 * scale))});
        }
    }

    std::string DataLine(int row) const {
        std::string line = "   ";
        for (const std::string& field : rows[row - 1]) {
            line += (line.size() > 3 ? separator : "") + field;
        }
        return line + lineTail;
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines = head;
        for (int row = 1; row <= 81; ++row) {
            lines.push_back(DataLine(row));
        }
        return lines;
    }

    static std::string Join(const std::vector<std::string>& lines, std::size_t count,
                            const std::string& eol = "\r\n") {
        std::string text;
        for (std::size_t k = 0; k < count && k < lines.size(); ++k) {
            text += lines[k] + eol;
        }
        return text;
    }

    std::string Text(const std::string& eol = "\r\n") const { return Join(Lines(), 91, eol); }
};

void ExpectLoadedAs(const LoadedMaterial& loaded, const Sample& sample) {
    EXPECT_EQ(loaded.head.name, "Iron (Fe)");
    EXPECT_EQ(loaded.head.density, 7.874);
    EXPECT_EQ(loaded.head.meanExcitationEnergy, 286.0);
    const std::vector<std::string> lines = sample.Lines();
    const TableColumn* columns[5] = {&loaded.energyMeV, &loaded.collisionSP, &loaded.radiativeSP,
                                     &loaded.totalSP, &loaded.csdaRange};
    for (int row = 1; row <= 81; ++row) {
        for (int k = 0; k < 5; ++k) {
            ASSERT_EQ((*columns[k])[row], std::strtod(sample.rows[row - 1][k].c_str(), nullptr))
                << "row " << row << " field " << k;
        }
        ASSERT_EQ(loaded.tableLines[row], lines[9 + row].substr(3, 44)) << "row " << row;
    }
}

TEST(MaterialFileTest, SeparatorsLineEndsAndTrailingBlanksLoadTheSameNumbers) {
    struct Variant {
        const char* name;
        std::string separator, tail, eol, prefix;
    };
    const Variant variants[] = {{"blanks, CR LF", "  ", "", "\r\n", ""},
                                {"commas", ",", "", "\r\n", ""},
                                {"comma and blanks", " , ", "", "\r\n", ""},
                                {"tabs", "\t", "", "\r\n", ""},
                                {"trailing blanks", "  ", "    ", "\r\n", ""},
                                {"trailing comma", ",", ",", "\r\n", ""},
                                {"LF", " ", "", "\n", ""},
                                {"lone CR", " ", " ", "\r", ""},
                                {"byte order mark", "  ", "", "\r\n", "\xEF\xBB\xBF"}};
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        Sample sample;
        sample.separator = variant.separator;
        sample.lineTail = variant.tail;
        const auto result = ParseMaterialFile(variant.prefix + sample.Text(variant.eol), kFileName);
        ASSERT_TRUE(result) << result.error.Message();
        ExpectLoadedAs(*result.value, sample);
    }
}

TEST(MaterialFileTest, LinesAfterLine91AreNeverRead) {
    const Sample sample;
    std::string text = sample.Text() + "1,2,3,4,5\r\nnot a number\r\n\xFF\xFE\r\n";
    auto result = ParseMaterialFile(text, kFileName);
    ASSERT_TRUE(result) << result.error.Message();
    ExpectLoadedAs(*result.value, sample);

    // Nor may a short last row take its missing field from line 92.
    std::vector<std::string> lines = sample.Lines();
    lines[90] = "   1000 1 1 1";
    lines.push_back("   5");
    result = ParseMaterialFile(Sample::Join(lines, 92), kFileName);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error.line, 91);
}

TEST(MaterialFileTest, AcceptsEveryFormOfDecimalNumber) {
    Sample sample;
    sample.rows[0] = {"1.0e-2", ".5", "5.", "+1.5E+00", "2e-3"};
    const auto result = ParseMaterialFile(sample.Text(), kFileName);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(result.value->energyMeV[1], 0.01);
    EXPECT_EQ(result.value->collisionSP[1], 0.5);
    EXPECT_EQ(result.value->radiativeSP[1], 5.0);
    EXPECT_EQ(result.value->totalSP[1], 1.5);
    EXPECT_EQ(result.value->csdaRange[1], 0.002);
}

TEST(MaterialFileTest, DisplayTextIsCharacters4To47) {
    const std::string sixty = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWX";
    ASSERT_EQ(sixty.size(), 60u);
    EXPECT_EQ(DisplayPartOfLine(sixty), sixty.substr(3, 44));
    EXPECT_EQ(DisplayPartOfLine("0123456789"), "3456789");
    EXPECT_EQ(DisplayPartOfLine("ab"), "");
    EXPECT_EQ(DisplayPartOfLine("abc"), "");
    EXPECT_EQ(DisplayPartOfLine("abcd"), "d");

    // Counted in characters: two-, three- and four-byte UTF-8 characters are never cut.
    std::string accents = "ÅÅÅ";
    std::string expected;
    for (int k = 0; k < 50; ++k) {
        accents += "é";
        expected += k < 44 ? "é" : "";
    }
    EXPECT_EQ(DisplayPartOfLine(accents), expected);
    EXPECT_EQ(DisplayPartOfLine("鉄のデータ値"), "ータ値");
    EXPECT_EQ(DisplayPartOfLine("ab🙂c🙂d"), "c🙂d");

    // A short data line goes through the second pass the same way.
    Sample sample;
    std::vector<std::string> lines = sample.Lines();
    lines[10] = "0.01 9 9 9 9";
    const auto result = ParseMaterialFile(Sample::Join(lines, 91), kFileName);
    ASSERT_TRUE(result) << result.error.Message();
    EXPECT_EQ(result.value->tableLines[1], "1 9 9 9 9");
}

TEST(MaterialFileTest, HeadIsReadFromTheFirstFourLinesOnly) {
    const auto head = ParseMaterialHead(
        "\xEF\xBB\xBF"
        "鉄 Iron\r\nx\r\ny\r\n 7.874 ,286.0\r\nrest is\r\nnot read",
        kFileName);
    ASSERT_TRUE(head) << head.error.Message();
    EXPECT_EQ(head.value->name, "鉄 Iron");
    EXPECT_EQ(head.value->density, 7.874);
    EXPECT_EQ(head.value->meanExcitationEnergy, 286.0);

    const auto bad = ParseMaterialHead("Iron\nx\ny\n7.874 -286\n", kFileName);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error.Message(),
              "\"Fe.qrv\", line 4: \"-286\" is not greater than zero where the mean excitation "
              "energy belongs.");
}

bool SameTable(const MaterialTable& a, const MaterialTable& b) {
    return a.DataFilePath == b.DataFilePath && a.MaterialName == b.MaterialName &&
           a.Density == b.Density && a.MeanExcitationEnergy == b.MeanExcitationEnergy &&
           a.EnergyMeV == b.EnergyMeV && a.CollisionSP == b.CollisionSP &&
           a.RadiativeSP == b.RadiativeSP && a.TotalSP == b.TotalSP && a.CsdaRange == b.CsdaRange &&
           a.TableLines == b.TableLines;
}

// A change to a valid sample that must make the file refused, at `line`, for a reason that the
// message states in `fragment`.
struct Refusal {
    const char* name;
    std::function<std::string(Sample&)> compose;
    int line;
    const char* fragment;
};

std::string WithLine(Sample& sample, int line, const std::string& text) {
    std::vector<std::string> lines = sample.Lines();
    lines[line - 1] = text;
    return Sample::Join(lines, 91);
}

std::string WithField(Sample& sample, int row, int field, const std::string& text) {
    sample.rows[row - 1][field] = text;
    return sample.Text();
}

const Refusal kRefusals[] = {
    {"empty file", [](Sample&) { return std::string(); }, 0, "the file is empty"},
    {"ends at line 3", [](Sample& s) { return Sample::Join(s.Lines(), 3); }, 3,
     "the file ends after this line, before the density"},
    {"ends at line 50", [](Sample& s) { return Sample::Join(s.Lines(), 50); }, 50,
     "the file ends after this line, before the energy of row 41"},
    {"ends inside line 91", [](Sample& s) { return Sample::Join(s.Lines(), 90) + "   1000 1 1 1"; },
     91, "the line holds only 4 fields, but five numbers belong here"},
    {"letters in a field", [](Sample& s) { return WithField(s, 47, 1, "1.2x"); }, 57,
     "\"1.2x\" is not a number where the collision stopping power of row 47 belongs"},
    {"empty field",
     [](Sample& s) {
         s.separator = ",";
         return WithField(s, 20, 2, "");
     },
     30, "a field is empty where the radiative stopping power of row 20 belongs"},
    {"zero", [](Sample& s) { return WithField(s, 3, 2, "0.000E+00"); }, 13,
     "is not greater than zero"},
    {"negative", [](Sample& s) { return WithField(s, 81, 4, "-1.5E+02"); }, 91,
     "is not greater than zero"},
    {"negative zero", [](Sample& s) { return WithField(s, 5, 3, "-0"); }, 15,
     "is not greater than zero"},
    {"overflow", [](Sample& s) { return WithField(s, 9, 3, "1E+999"); }, 19,
     "\"1E+999\" is beyond the range of numbers"},
    {"underflow", [](Sample& s) { return WithField(s, 9, 4, "1E-999"); }, 19,
     "is beyond the range"},
    {"equal energies", [](Sample& s) { return WithField(s, 40, 0, s.rows[38][0]); }, 50,
     "the energy of row 40 is not greater than the energy of the row before"},
    {"six fields",
     [](Sample& s) {
         s.rows[19].push_back("1.0");
         return s.Text();
     },
     30, "the line holds more than five fields"},
    {"comment after a row", [](Sample& s) { return WithLine(s, 91, s.DataLine(81) + " end"); }, 91,
     "more than five fields"},
    {"four fields",
     [](Sample& s) {
         s.rows[19].pop_back();
         return s.Text();
     },
     30, "the line holds only 4 fields, but five numbers belong here"},
    {"empty data line", [](Sample& s) { return WithLine(s, 30, "   "); }, 30,
     "the line holds no field"},
    {"one head value", [](Sample& s) { return WithLine(s, 4, "7.874"); }, 4,
     "the line holds only 1 field, but two numbers belong here"},
    {"three head values", [](Sample& s) { return WithLine(s, 4, "7.874 286.0 26"); }, 4,
     "more than two fields"},
    {"density in words", [](Sample& s) { return WithLine(s, 4, "dense, 286.0"); }, 4,
     "\"dense\" is not a number where the density belongs"},
};

TEST(MaterialFileTest, MalformedFilesAreRefusedAtTheirLineAndLeaveTheTableAsItWas) {
    MaterialTable table;
    table.DataFilePath = "p_QRV\\Fe.qrv";
    CommitLoadedMaterial(table, *ParseMaterialFile(Sample().Text(), kFileName).value);
    const MaterialTable before = table;
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        Sample sample;
        const auto result = ParseMaterialFile(refusal.compose(sample), kFileName);
        if (result) {
            CommitLoadedMaterial(table, *result.value);  // the window layer's parse-then-commit
        }
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error.fileName, kFileName);
        EXPECT_EQ(result.error.line, refusal.line);
        EXPECT_NE(result.error.Message().find(refusal.fragment), std::string::npos)
            << result.error.Message();
        EXPECT_TRUE(SameTable(table, before));
    }
}

TEST(MaterialFileTest, NumbersMustBePlainDecimals) {
    for (const char* field : {"inf", "nan", "-inf", "0x1p3", "1e", "1e+", "1.2.3", "+", "-.", ".",
                              "1d3", "1_000", "１", "e5", "++1"}) {
        SCOPED_TRACE(field);
        Sample sample;
        const auto result = ParseMaterialFile(WithField(sample, 5, 3, field), kFileName);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error.line, 15);
        EXPECT_EQ(result.error.what,
                  "\"" + std::string(field) +
                      "\" is not a number where the total stopping power of row 5 belongs");
    }
}

TEST(MaterialFileTest, CommitOverwritesHeadAndRowsButNotRowZeroOrThePath) {
    MaterialTable table;
    table.DataFilePath = "p_STC\\Water.stc";
    table.EnergyMeV[0] = -1.0;
    table.CsdaRange[0] = -2.0;
    table.TableLines[0] = "row zero";
    CommitLoadedMaterial(table, *ParseMaterialFile(Sample(1.0).Text(), kFileName).value);

    Sample other(3.0);
    other.head[0] = "Water";
    other.head[3] = "1.0 75.0";
    other.separator = ",";
    const auto loaded = ParseMaterialFile(other.Text(), "Water.stc");
    ASSERT_TRUE(loaded) << loaded.error.Message();
    CommitLoadedMaterial(table, *loaded.value);

    EXPECT_EQ(table.DataFilePath, "p_STC\\Water.stc");
    EXPECT_EQ(table.MaterialName, "Water");
    EXPECT_EQ(table.Density, 1.0);
    EXPECT_EQ(table.MeanExcitationEnergy, 75.0);
    EXPECT_EQ(table.EnergyMeV[0], -1.0);
    EXPECT_EQ(table.CsdaRange[0], -2.0);
    EXPECT_EQ(table.TableLines[0], "row zero");
    const LoadedMaterial& b = *loaded.value;
    for (int row = 1; row <= 81; ++row) {
        ASSERT_TRUE(
            table.EnergyMeV[row] == b.energyMeV[row] &&
            table.CollisionSP[row] == b.collisionSP[row] &&
            table.RadiativeSP[row] == b.radiativeSP[row] && table.TotalSP[row] == b.totalSP[row] &&
            table.CsdaRange[row] == b.csdaRange[row] && table.TableLines[row] == b.tableLines[row])
            << "row " << row;
    }
}

}  // namespace
}  // namespace velmora
