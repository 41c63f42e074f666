// The command line's reading of energies and ranges: which texts are numbers, their values and
// the lines they stand on; the decimal energies of an equal-interval table; echoed input in
// messages.
#include <gtest/gtest.h>

#include "core/number_format.h"
#include "query/decimal_energies.h"
#include "query/message_text.h"
#include "query/number_list.h"

namespace velmora::query {
namespace {

TEST(QueryInputTest, OnlyWholeDecimalNumbersAreNumbers) {
    for (const char* text : {"1", "-1", "+1", "0.5", ".5", "5.", "1e3", "1E+03", "2.5e-3", "007"}) {
        EXPECT_TRUE(IsNumberText(text)) << text;
        EXPECT_EQ(NumberValue(text), ReadNumber(text)) << text;
    }
    for (const char* text : {"", "+", ".", "e5", "1e", "1e+", "1.2.3", "1,5", "1 5", "nan", "NaN",
                             "inf", "-Infinity", "0x1p3", "1MeV", "--1", "1e5.0", "\xEF\xBC\x91"}) {
        EXPECT_FALSE(IsNumberText(text)) << text;
    }
    EXPECT_EQ(NumberValue("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberValue("0.1"), 0.1);
}

TEST(QueryInputTest, ItemsAreSplitAtBlanksTabsAndEveryKindOfLineEndAndCommentsSkipped) {
    std::vector<std::pair<std::string, int>> items;
    const auto collect = [&](std::string_view text) {
        items.clear();
        return ForEachItem(text, [&](std::string_view item, int line) {
            items.emplace_back(item, line);
            return item != "stop";
        });
    };
    using Items = std::vector<std::pair<std::string, int>>;
    EXPECT_TRUE(
        collect("\xEF\xBB\xBF"
                "1 2\t3\r\n\n4\r5\r\r\n 6 "));
    EXPECT_EQ(items, (Items{{"1", 1}, {"2", 1}, {"3", 1}, {"4", 3}, {"5", 4}, {"6", 6}}));
    EXPECT_TRUE(collect(""));
    EXPECT_TRUE(items.empty());
    EXPECT_FALSE(collect("a,b stop c"));
    EXPECT_EQ(items, (Items{{"a,b", 1}, {"stop", 1}}));
    EXPECT_TRUE(collect("# energies\n1 # 2 3\r\n4#5\r#\n\t6 #"));
    EXPECT_EQ(items, (Items{{"1", 2}, {"4", 3}, {"6", 5}}));
}

TEST(QueryInputTest, IntervalEnergiesAreTheDecimalsTheBoxesSpell) {
    using Energies = std::optional<std::vector<double>>;
    const struct {
        const char *start, *step;
        int lastRow;
        Energies expected;
    } cases[] = {
        {"0.1", "0.3", 3, std::vector{0.1, 0.4, 0.7, 1.0}},
        {"1e-2", "1E-3", 2, std::vector{0.01, 0.011, 0.012}},
        {"+5", "-.25", 2, std::vector{5.0, 4.75, 4.5}},
        {"10", "-3", 4, std::vector{10.0, 7.0, 4.0, 1.0, -2.0}},
        {"999.9", "0.0001", 1, std::vector{999.9, 999.9001}},
        {"0.000", "0.1", 1, std::vector{0.0, 0.1}},
        {"100000000000000", "1", 0, std::vector{1e14}},
        {"999999999999998", "1", 1, std::vector{999999999999998.0, 999999999999999.0}},
        {"999999999999999", "1", 1, std::nullopt},  // 16 digits at row 1: too many
        {"0.1234567890123456", "1", 0, std::nullopt},
        {"1", "1e-20", 0, std::nullopt},
        {"1e500", "1", 0, std::nullopt},
        {"abc", "1", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalRowEnergies(c.start, c.step, c.lastRow), c.expected)
            << c.start << " " << c.step;
    }
}

TEST(QueryInputTest, EchoedInputIsCutAndEscapedButUtf8StaysReadable) {
    const std::string x56(56, 'x');
    const struct {
        std::string text, echoed;
    } cases[] = {
        {"1,5", "1,5"},
        {"Wasser \xC3\xA4\xE6\xB0\xB4\xF0\x9F\x98\x80",
         "Wasser \xC3\xA4\xE6\xB0\xB4\xF0\x9F\x98\x80"},
        {"a\tb\x1B[2J\x7F", "a\\x09b\\x1B[2J\\x7F"},
        {"\xC2\x85\xE2\x80\xAE\xE2\x81\xA6\xEF\xBB\xBF!", "\\u0085\\u202E\\u2066\\uFEFF!"},
        {"\xFF\xC0\xAF\xED\xA0\x80\xE2\x82", "\\xFF\\xC0\\xAF\\xED\\xA0\\x80\\xE2\\x82"},
        {std::string(60, 'y'), std::string(60, 'y')},
        {"\xC3\xA4\xC3\xA4\t\xFF" + x56 + "z", "\xC3\xA4\xC3\xA4\\x09\\xFF" + x56 + "..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EchoedText(c.text), c.echoed) << c.text;
        EXPECT_EQ(QuotedForMessage(c.text), "\"" + c.echoed + "\"");
    }
    EXPECT_EQ(PrintableText(std::string(100, 'y') + "\n"), std::string(100, 'y') + "\\x0A");
}

}  // namespace
}  // namespace velmora::query
