// A typed or pasted list of numbers as the command line takes it: items separated by blanks, tabs
// and line ends, each one whole number in the core's strict form, read by the core's reader.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::web {

// The most numbers one list may hold.
inline constexpr std::size_t kMaxListedNumbers = 100000;

struct EnergyList {
    std::vector<double> values;           // each item's value divided by the divisor
    std::vector<std::string_view> items;  // the items as typed (views into the text)
    // Empty when every item was read; otherwise "empty" (no item), "tooMany" (more than
    // kMaxListedNumbers), "decimalComma" (digits around a comma, as "1,5"), "notNumber"; a
    // caller's later check may put its own word here.
    std::string refusal;
    std::string refusedItem;  // the first item refused, at most 40 characters
    std::size_t refusedIndex = 0;
};

// Reads every item of the text (a byte-order mark at the start is skipped); divisor 1000 turns
// keV into MeV after reading, as the page's unit choice asks.
EnergyList ReadEnergyList(std::string_view text, double divisor);

}  // namespace velmora::web
