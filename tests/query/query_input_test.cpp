// The command line's reading of energies and ranges: which texts are numbers, their values and
// the lines they stand on.
#include <gtest/gtest.h>

#include "core/number_format.h"
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
    EXPECT_EQ(QuotedForMessage(std::string("a\tb\xC3\xA4") + std::string(50, 'x')),
              "\"a?b??" + std::string(35, 'x') + "...\"");
}

TEST(QueryInputTest, ItemsAreSplitAtBlanksTabsAndEveryKindOfLineEnd) {
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
}

}  // namespace
}  // namespace velmora::query
