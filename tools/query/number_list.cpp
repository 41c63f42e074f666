// Strict number texts for the command line, converted as the windows convert typed numbers.
#include "query/number_list.h"

#include "core/number_format.h"

namespace velmora::query {
namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    return pos;
}

std::size_t SkipSign(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

}  // namespace

bool IsNumberText(std::string_view text) {
    std::size_t pos = SkipSign(text, 0);
    const std::size_t integerStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = SkipDigits(text, pos);
        digits += pos - fractionStart;
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        const std::size_t exponentStart = SkipSign(text, pos + 1);
        pos = SkipDigits(text, exponentStart);
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
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
