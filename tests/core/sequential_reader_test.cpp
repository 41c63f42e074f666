// Tests of the sequential reader: line ends, value delimiters and line numbers.
#include "core/sequential_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::string> AllValues(std::string_view text) {
    SequentialReader reader(text);
    std::vector<std::string> values;
    while (auto value = reader.ReadValue()) {
        values.push_back(*value);
    }
    return values;
}

TEST(SequentialReaderTest, EveryLineEndStyleGivesTheSameLinesAndNumbers) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(eol));
        const std::string text = "alpha" + eol + eol + "beta  " + eol + "gamma";
        SequentialReader reader(text);
        EXPECT_EQ(reader.ReadLine(), "alpha");
        EXPECT_EQ(reader.LineNumber(), 2);
        EXPECT_EQ(reader.ReadLine(), "");
        EXPECT_EQ(reader.ReadLine(), "beta  ");
        EXPECT_EQ(reader.ReadLine(), "gamma");
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(reader.ReadLine(), std::nullopt);
        EXPECT_EQ(reader.LastLineNumber(), 4);
    }
}

TEST(SequentialReaderTest, EndOfTextAndLastLineNumber) {
    SequentialReader empty("");
    EXPECT_EQ(empty.ReadLine(), std::nullopt);
    EXPECT_EQ(empty.ReadValue(), std::nullopt);
    EXPECT_EQ(empty.LastLineNumber(), 0);

    SequentialReader terminated("a\r\nb\r\n");  // a final line end starts no third line
    EXPECT_EQ(terminated.ReadLine(), "a");
    EXPECT_EQ(terminated.ReadLine(), "b");
    EXPECT_EQ(terminated.ReadLine(), std::nullopt);
    EXPECT_EQ(terminated.LastLineNumber(), 2);

    SequentialReader blanksOnly("  \r\n\t \n");
    EXPECT_EQ(blanksOnly.ReadValue(), std::nullopt);
    EXPECT_EQ(blanksOnly.LastLineNumber(), 2);
}

TEST(SequentialReaderTest, CommasBlanksAndTabsSeparateTheSameValues) {
    const std::vector<std::string> expected = {"1.5", "-2E-03", "7", "8"};
    for (const char* text : {"1.5,-2E-03,7,8", "1.5 -2E-03   7 8", "1.5 , -2E-03,  7\t8",
                             "  1.5\t-2E-03\r\n\r\n7,\n 8  \n"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(AllValues(text), expected);
    }
    EXPECT_EQ(AllValues("1,,3"), (std::vector<std::string>{"1", "", "3"}));
}

// The file layout depends on this: the last value of a line, whatever follows it on that line in
// blanks, leaves the reader at the start of the next line, and only one line end is consumed.
TEST(SequentialReaderTest, ValueConsumesOneDelimiterSoALineReadFollowsCorrectly) {
    SequentialReader reader("7.874, 286.0   \r\nnext line\r\n3 4,\r\n\r\nafter empty");
    EXPECT_EQ(reader.ReadValue(), "7.874");
    EXPECT_EQ(reader.ReadValue(), "286.0");
    EXPECT_EQ(reader.LastValueLine(), 1);
    EXPECT_EQ(reader.ReadLine(), "next line");
    EXPECT_EQ(reader.ReadValue(), "3");
    EXPECT_EQ(reader.ReadValue(), "4");  // the comma is consumed, the line end is not
    EXPECT_EQ(reader.ReadLine(), "");    // rest of line 3
    EXPECT_EQ(reader.ReadLine(), "");    // line 4 is empty
    EXPECT_EQ(reader.ReadLine(), "after empty");

    SequentialReader oneLineEnd("1\r\n\r\nrest");
    EXPECT_EQ(oneLineEnd.ReadValue(), "1");
    EXPECT_EQ(oneLineEnd.ReadLine(), "");
    EXPECT_EQ(oneLineEnd.ReadLine(), "rest");

    SequentialReader skipping("\r\n\r\n  42\r\nx");
    EXPECT_EQ(skipping.ReadValue(), "42");
    EXPECT_EQ(skipping.LastValueLine(), 3);
    EXPECT_EQ(skipping.LineNumber(), 4);
}

}  // namespace
}  // namespace velmora
