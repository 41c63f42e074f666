// Tests of the sequential reader: line ends, value delimiters and line numbers.
#include "core/sequential_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// Walks a reader over the text by a script and joins the results with '|': L reads a line, V a
// value ("#" when the text is exhausted); N gives LineNumber(), P LastValueLine() and E
// LastLineNumber().
std::string Walk(std::string_view text, std::string_view script) {
    SequentialReader reader(text);
    std::string out;
    for (char step : script) {
        if (step == 'L' || step == 'V') {
            out += (step == 'L' ? reader.ReadLine() : reader.ReadValue()).value_or("#");
        } else {
            out += std::to_string(step == 'N'   ? reader.LineNumber()
                                  : step == 'P' ? reader.LastValueLine()
                                                : reader.LastLineNumber());
        }
        out += '|';
    }
    out.pop_back();
    return out;
}

TEST(SequentialReaderTest, EveryLineEndStyleGivesTheSameLinesAndNumbers) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        EXPECT_EQ(Walk("alpha" + eol + eol + "beta  " + eol + "gamma", "LNLLLLE"),
                  "alpha|2||beta  |gamma|#|4")
            << testing::PrintToString(eol);
    }
}

TEST(SequentialReaderTest, EndOfTextAndLastLineNumber) {
    EXPECT_EQ(Walk("", "LVE"), "#|#|0");
    EXPECT_EQ(Walk("a\r\nb\r\n", "LLLE"), "a|b|#|2");  // a final line end starts no third line
    EXPECT_EQ(Walk("  \r\n\t \n", "VE"), "#|2");
}

TEST(SequentialReaderTest, CommasBlanksAndTabsSeparateTheSameValues) {
    for (const char* text : {"1.5,-2E-03,7,8", "1.5 -2E-03   7 8", "1.5 , -2E-03,  7\t8",
                             "  1.5\t-2E-03\r\n\r\n7,\n 8  \n"}) {
        EXPECT_EQ(Walk(text, "VVVVV"), "1.5|-2E-03|7|8|#") << testing::PrintToString(text);
    }
    EXPECT_EQ(Walk("1,,3", "VVVV"), "1||3|#");
}

// The file layout depends on this: the last value of a line, whatever blanks follow it on that
// line, leaves the reader at the start of the next line, and only one line end is consumed.
TEST(SequentialReaderTest, ValueConsumesOneDelimiterSoALineReadFollowsCorrectly) {
    EXPECT_EQ(Walk("7.874, 286.0   \r\nnext line\r\n3 4,\r\n\r\nafter empty", "VVPLVVLLL"),
              "7.874|286.0|1|next line|3|4|||after empty");  // "4," keeps its line end
    EXPECT_EQ(Walk("1\r\n\r\nrest", "VLL"), "1||rest");
    EXPECT_EQ(Walk("\r\n\r\n  42\r\nx", "VPN"), "42|3|4");
}

}  // namespace
}  // namespace velmora
