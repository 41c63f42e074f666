// Splitting and reading a list of numbers with the core's number grammar.
#include "energy_list.h"

#include "core/number_format.h"

namespace velmora::web {
namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "1,5", "0,01", "-2,5e3": a number written with a decimal comma, which is not guessed.
bool HasDecimalComma(std::string_view item) {
    const std::size_t comma = item.find(',');
    return comma != std::string_view::npos && comma > 0 && comma + 1 < item.size() &&
           IsDigit(item[comma - 1]) && IsDigit(item[comma + 1]) &&
           IsDecimalNumber(std::string(item.substr(0, comma)) + "." +
                           std::string(item.substr(comma + 1)));
}

void Refuse(EnergyList& list, const char* why, std::string_view item, std::size_t index) {
    list.refusal = why;
    list.refusedItem = std::string(item.substr(0, 40));
    list.refusedIndex = index;
}

}  // namespace

EnergyList ReadEnergyList(std::string_view text, double divisor) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    EnergyList list;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsSeparator(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !IsSeparator(text[pos])) {
            ++pos;
        }
        const std::string_view item = text.substr(start, pos - start);
        const std::size_t index = list.items.size();
        if (index == kMaxListedNumbers) {
            Refuse(list, "tooMany", item, index);
            return list;
        }
        if (!IsDecimalNumber(item)) {
            Refuse(list, HasDecimalComma(item) ? "decimalComma" : "notNumber", item, index);
            return list;
        }
        list.items.push_back(item);
        list.values.push_back(ReadNumber(item) / divisor);
    }
    if (list.items.empty()) {
        Refuse(list, "empty", "", 0);
    }
    return list;
}

}  // namespace velmora::web
