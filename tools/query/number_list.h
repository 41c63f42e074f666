// Energies and ranges as the command line takes them: whole numbers in a strict form, from the
// arguments or from standard input, many per line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::query {

// Whether the whole text is one number: [sign] digits [. digits] [E|e [sign] digits], with at
// least one digit before the exponent (".5" and "5." included). "inf", "nan", hexadecimal,
// decimal commas and trailing characters are not numbers.
bool IsNumberText(std::string_view text);

// The value of a text accepted by IsNumberText, converted exactly as the windows read a typed
// number (ReadNumber): the nearest double, an infinity beyond the double range.
double NumberValue(std::string_view text);

// Calls visit(item, line) for each item of a text: items are separated by blanks, tabs and line
// ends (LF, CR LF or a lone CR); a '#' starts a comment that runs to the end of its line; line
// counts from 1; a UTF-8 byte order mark at the very start is skipped. Stops early, returning
// false, when visit returns false.
template <typename Visit>
bool ForEachItem(std::string_view text, Visit&& visit) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    int line = 1;
    const std::size_t size = text.size();
    while (pos < size) {
        const char c = text[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (c == '\n') {
            ++pos;
            ++line;
        } else if (c == '\r') {
            pos += (pos + 1 < size && text[pos + 1] == '\n') ? 2 : 1;
            ++line;
        } else if (c == '#') {
            pos = std::min(text.find_first_of("\r\n", pos), size);
        } else {
            const std::size_t start = pos;
            while (pos < size && text[pos] != ' ' && text[pos] != '\t' && text[pos] != '\n' &&
                   text[pos] != '\r' && text[pos] != '#') {
                ++pos;
            }
            if (!visit(text.substr(start, pos - start), line)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace velmora::query
