// Tests of the sequential reader (line ends, value delimiters, line numbers) and of material file
// parsing, its refusals, the display text of rows and committing a load.
#include "core/material_file.h"
#include "core/sequential_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace velmora {
namespace {

// Walks a reader over the text by a script and joins the results with '|': L reads a line, V a
// value ("#" when the text is exhausted); N gives LineNumber(), P LastValueLine() and E
// LastLineNumber().
std::string Walk(std::string_view text, std::string_view script) {
    SequentialReader reader(text);
    std::string out;
    for (char step : script) {
        out += step == 'L'   ? reader.ReadLine().value_or("#")
               : step == 'V' ? reader.ReadValue().value_or("#")
                             : std::to_string(step == 'N'   ? reader.LineNumber()
                                              : step == 'P' ? reader.LastValueLine()
                                                            : reader.LastLineNumber());
        out += '|';
    }
    out.pop_back();
    return out;
}

TEST(SequentialReaderTest, LinesLineNumbersAndTheEndOfTheText) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        EXPECT_EQ(Walk("alpha" + eol + eol + "beta  " + eol + "gamma", "LNLLLLE"),
                  "alpha|2||beta  |gamma|#|4")
            << testing::PrintToString(eol);
    }
    EXPECT_EQ(Walk("", "LVE"), "#|#|0");
    EXPECT_EQ(Walk("a\r\nb\r\n", "LLLE"), "a|b|#|2");  // a final line end starts no third line
    EXPECT_EQ(Walk("  \r\n\t \n", "VE"), "#|2");
}

// Commas, blanks and tabs separate the same values. The file layout depends on a value consuming
// one delimiter: the last value of a line, whatever blanks follow it on that line, leaves the
// reader at the start of the next line, and only one line end is consumed.
TEST(SequentialReaderTest, ValuesAndTheLineReadAfterThem) {
    for (const char* text : {"1.5,-2E-03,7,8", "1.5 -2E-03   7 8", "1.5 , -2E-03,  7\t8",
                             "  1.5\t-2E-03\r\n\r\n7,\n 8  \n"}) {
        EXPECT_EQ(Walk(text, "VVVVV"), "1.5|-2E-03|7|8|#") << testing::PrintToString(text);
    }
    EXPECT_EQ(Walk("1,,3", "VVVV"), "1||3|#");
    EXPECT_EQ(Walk("7.874, 286.0   \r\nnext line\r\n3 4,\r\n\r\nafter empty", "VVPLVVLLL"),
              "7.874|286.0|1|next line|3|4|||after empty");  // "4," keeps its line end
    EXPECT_EQ(Walk("1\r\n\r\nrest", "VLL"), "1||rest");
    EXPECT_EQ(Walk("\r\n\r\n  42\r\nx", "VPN"), "42|3|4");
}

constexpr const char* kFileName = "Fe.qrv";

// Field k of a row, unique in the file: "12.35E-01" is field 3 of row 12. Energies rise by row.
std::string Field(int row, int k) {
    return std::to_string(row) + "." + std::to_string(k) + "5E-01";
}

// The 91 lines of a valid file: ten head lines, then rows 1 to 81 of five fields (56 characters).
std::vector<std::string> Lines(const std::string& separator = "  ", const std::string& tail = "") {
    std::vector<std::string> lines = {"Iron (Fe)", "Z = 26", "positrons", "7.874, 286.0"};
    lines.resize(10, "free text");  // lines 5 to 10
    for (int row = 1; row <= 81; ++row) {
        std::string line = "   " + Field(row, 0);
        for (int k = 1; k < 5; ++k) {
            line += separator + Field(row, k);
        }
        lines.push_back(line + tail);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, std::size_t count = 91,
                 const std::string& eol = "\r\n") {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
        text += lines[k] + eol;
    }
    return text;
}

// The valid file with the first occurrence of `old` replaced: a field (Field(row, k) first
// occurs in its row), a whole line or a part of one.
std::string Replaced(const std::string& old, const std::string& text) {
    std::string file = Join(Lines());
    return file.replace(file.find(old), old.size(), text);
}

// Commits the parsed sample over a table with a path and a row 0, which must stay, and checks it.
void ExpectSampleLoaded(const ParseResult<LoadedMaterial>& result,
                        const std::vector<std::string>& lines = Lines()) {
    ASSERT_TRUE(result) << result.error.Message();
    MaterialTable table;
    table.DataFilePath = "p_QRV\\Fe.qrv";
    table.EnergyMeV[0] = -1.0;
    table.TableLines[0] = "row zero";
    CommitLoadedMaterial(table, *result.value);
    EXPECT_EQ(std::tie(table.DataFilePath, table.MaterialName, table.Density,
                       table.MeanExcitationEnergy, table.EnergyMeV[0], table.TableLines[0]),
              std::make_tuple("p_QRV\\Fe.qrv", "Iron (Fe)", 7.874, 286.0, -1.0, "row zero"));
    const TableColumn* columns[5] = {&table.EnergyMeV, &table.CollisionSP, &table.RadiativeSP,
                                     &table.TotalSP, &table.CsdaRange};
    for (int row = 1; row <= 81; ++row) {
        for (int k = 0; k < 5; ++k) {
            ASSERT_EQ((*columns[k])[row], std::strtod(Field(row, k).c_str(), nullptr)) << row;
        }
        ASSERT_EQ(table.TableLines[row], lines[9 + row].substr(3, 44)) << row;
    }
}

TEST(MaterialFileTest, AnySeparatorsLineEndsTrailingBlanksOrLaterLinesLoadTheSameTable) {
    const struct {
        const char *separator, *tail, *eol, *prefix;
    } variants[] = {{",", "", "\r\n", ""},  {" , ", "", "\r\n", ""},
                    {"\t", "", "\r\n", ""}, {"  ", "    ", "\r\n", ""},
                    {",", ",", "\r\n", ""}, {" ", "", "\n", ""},
                    {" ", " ", "\r", ""},   {"  ", "", "\r\n", "\xEF\xBB\xBF"}};
    for (const auto& v : variants) {
        SCOPED_TRACE(testing::PrintToString(std::string(v.separator) + "|" + v.tail + "|" + v.eol));
        const std::vector<std::string> lines = Lines(v.separator, v.tail);
        ExpectSampleLoaded(ParseMaterialFile(v.prefix + Join(lines, 91, v.eol), kFileName), lines);
    }
    // Lines after line 91 are never read.
    ExpectSampleLoaded(
        ParseMaterialFile(Join(Lines()) + "1,2,3,4,5\r\nwords\r\n\xFF\xFE\r\n", kFileName));
}

TEST(MaterialFileTest, DisplayTextIsCharacters4To47) {
    const std::string sixty = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWX";
    EXPECT_EQ(DisplayPartOfLine(sixty), sixty.substr(3, 44));
    EXPECT_EQ(DisplayPartOfLine("0123456789"), "3456789");
    EXPECT_EQ(DisplayPartOfLine("ab"), "");
    // Counted in characters: two-, three- and four-byte UTF-8 characters are never cut.
    const std::string ten = "éééééééééé", forty = ten + ten + ten + ten;
    EXPECT_EQ(DisplayPartOfLine("ÅÅÅ" + forty + ten), forty + "éééé");
    EXPECT_EQ(DisplayPartOfLine("鉄のデータ値"), "ータ値");
    EXPECT_EQ(DisplayPartOfLine("ab🙂c🙂d"), "c🙂d");
    // A short data line goes through the loader's second pass the same way; its fields show every
    // form of plain decimal.
    const auto result =
        ParseMaterialFile(Replaced(Lines()[10], "1.0e-2 .5 5. +1.5E+00 2e-3"), kFileName);
    ASSERT_TRUE(result) << result.error.Message();
    const LoadedMaterial& v = *result.value;
    EXPECT_EQ(std::tie(v.energyMeV[1], v.collisionSP[1], v.radiativeSP[1], v.totalSP[1],
                       v.csdaRange[1], v.tableLines[1]),
              std::make_tuple(0.01, 0.5, 5.0, 1.5, 0.002, "e-2 .5 5. +1.5E+00 2e-3"));
}

TEST(MaterialFileTest, ElectronTablesLieInTheEFolderBesideThePFolder) {
    EXPECT_EQ(ElectronTablePath("p_STC\\Water liquid.stc"), "e_STC\\Water liquid.stc");
    EXPECT_EQ(ElectronTablePath("p_QRV\\001 Hydrogen.qrv"), "e_QRV\\001 Hydrogen.qrv");
    EXPECT_EQ(ElectronTablePath("p_QRV/x.qrv"), "e_QRV/x.qrv");
    for (const char* none : {"q_STC\\a.stc", "p_\\a.stc", "p_STC", ""}) {
        EXPECT_EQ(ElectronTablePath(none), "") << none;
    }
}

TEST(MaterialFileTest, HeadIsReadFromTheFirstFourLinesOnly) {
    const auto head = ParseMaterialHead(
        "\xEF\xBB\xBF鉄 Iron\r\nx\r\ny\r\n 7.874 ,286.0\r\nrest is\r\nnot read", kFileName);
    ASSERT_TRUE(head) << head.error.Message();
    EXPECT_EQ(std::tie(head.value->name, head.value->density, head.value->meanExcitationEnergy),
              std::make_tuple("鉄 Iron", 7.874, 286.0));
    EXPECT_EQ(ParseMaterialHead("Iron\nx\ny\n7.874\n", kFileName).error.Message(),
              "\"Fe.qrv\", line 4: the line holds only 1 field, but two numbers belong here.");
}

TEST(MaterialFileTest, MalformedFilesAreRefusedAtTheirLineWithNothingToCommit) {
    std::vector<std::tuple<std::string, int, std::string>> refusals = {
        {"", 0, "the file is empty"},
        {Join(Lines(), 3), 3, "the file ends after this line, before the density"},
        {Join(Lines(), 50), 50, "the file ends after this line, before the energy of row 41"},
        {Join(Lines(), 90) + "   1000 1 1 1", 91, "the line holds only 4 fields, but five numbers"},
        {Replaced(Lines()[90], "   1000 1 1 1") + "   5\r\n", 91, "holds only 4 fields"},  // not 92
        {Replaced(Field(47, 1), "1.2x"), 57, "\"1.2x\" is not a number where the collision"},
        {Replaced(Lines()[29], "   1,2,,4,5"), 30, "a field is empty where the radiative"},
        {Replaced(Field(3, 2), "0.000E+00"), 13, "is not greater than zero"},
        {Replaced(Field(81, 4), "-1.5E+02"), 91, "\"-1.5E+02\" is not greater than zero"},
        {Replaced(Field(9, 3), "1E+999"), 19, "\"1E+999\" is beyond the range of numbers"},
        {Replaced(Field(9, 4), "1E-999"), 19, "\"1E-999\" is beyond the range of numbers"},
        {Replaced(Field(40, 0), Field(39, 0)), 50, "the energy of row 40 is not greater than the"},
        {Replaced(Field(62, 4), Field(61, 4)), 72, "the csda range of row 62 is not greater than"},
        {Replaced(Field(2, 4), "1.0E-03"), 12, "the csda range of row 2 is not greater than the"},
        {Replaced(Field(20, 4), Field(20, 4) + " 1.0"), 30, "the line holds more than five fields"},
        {Replaced(Field(81, 4), Field(81, 4) + " end"), 91, "the line holds more than five fields"},
        {Replaced(Field(20, 4), ""), 30, "the line holds only 4 fields, but five numbers belong"},
        {Replaced(Lines()[29], "   "), 30, "the line holds no field"},
        {Replaced("286.0", "-286"), 4, "\"-286\" is not greater than zero where the mean"},
        {Replaced("7.874, 286.0", "7.874 286.0 26"), 4, "the line holds more than two fields"},
        {Replaced("7.874", "dense"), 4, "\"dense\" is not a number where the density belongs"},
    };
    for (const std::string field : {"inf", "nan", "0x1p3", "1e", "1e+", "1.2.3", "+", "-.", "１"}) {
        refusals.push_back({Replaced(Field(5, 3), field), 15,
                            '"' + field + "\" is not a number where the total stopping power"});
    }
    for (const auto& [text, line, fragment] : refusals) {
        SCOPED_TRACE(fragment);
        const auto result = ParseMaterialFile(text, kFileName);
        EXPECT_FALSE(result.value.has_value());
        EXPECT_EQ(std::tie(result.error.fileName, result.error.line),
                  std::make_tuple(kFileName, line));
        EXPECT_NE(result.error.Message().find(fragment), std::string::npos)
            << result.error.Message();
    }
}

}  // namespace
}  // namespace velmora
