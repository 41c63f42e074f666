// Strict number texts for the command line, converted as the windows convert typed numbers.
#include "query/number_list.h"

#include "core/number_format.h"

namespace velmora::query {

bool IsNumberText(std::string_view text) {
    return IsDecimalNumber(text);
}

double NumberValue(std::string_view text) {
    // The strict form holds no blanks, so the windows' reader takes all of it.
    return ReadNumber(text);
}

std::string QuotedForMessage(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    std::string quoted = "\"";
    for (std::size_t k = 0; k < text.size() && k < kMaxShown; ++k) {
        const auto code = static_cast<unsigned char>(text[k]);
        quoted += (code >= 0x20 && code < 0x7F) ? text[k] : '?';
    }
    if (text.size() > kMaxShown) {
        quoted += "...";
    }
    return quoted + "\"";
}

}  // namespace velmora::query
