// Fuzz target: the command line's reading of energies and ranges, on its own (the whole command
// is fuzz_query_command). Every item between separators is seen once, on a line that never goes
// back, nothing but separators, comments and a leading byte order mark is left out, and a number
// reads as the nearest double.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "query/number_list.h"

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void CheckItems(std::string_view text) {
    std::string joined;
    int lastLine = 1;
    velmora::query::ForEachItem(text, [&](std::string_view item, int line) {
        if (item.empty() || std::any_of(item.begin(), item.end(), IsSeparator) || line < lastLine) {
            std::abort();
        }
        lastLine = line;
        joined += item;
        if (velmora::query::IsNumberText(item)) {
            const double value = velmora::query::NumberValue(item);
            const std::string_view digits = item.front() == '+' ? item.substr(1) : item;
            double direct = 0.0;
            const auto [ptr, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), direct);
            if (std::isnan(value) ||
                (ec == std::errc() &&
                 (ptr != digits.data() + digits.size() ||
                  std::bit_cast<std::uint64_t>(direct) != std::bit_cast<std::uint64_t>(value)))) {
                std::abort();
            }
        }
        return true;
    });
    // Nothing but separators, comments from '#' to the line's end (and a leading byte order
    // mark) was left out.
    std::string_view body = text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
    std::string kept;
    bool inComment = false;
    for (const char c : body) {
        inComment = c == '#' || (inComment && c != '\n' && c != '\r');
        if (!inComment && !IsSeparator(c)) {
            kept += c;
        }
    }
    if (kept != joined) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckItems(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
