// Escaping and cutting of the texts that messages echo.
#include "core/message_text.h"

#include <cstdint>
#include <cstdio>

namespace velmora {
namespace {

// One character of the text: its code point, or the single byte when the bytes there are not
// UTF-8 (valid is then false).
struct Character {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

Character NextCharacter(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
        return {lead, 1, false};
    }
    if (pos + length > text.size()) {
        return {lead, 1, false};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return {lead, 1, false};
        }
        code = (code << 6) | (byte(k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return {lead, 1, false};
    }
    return {code, length, true};
}

// Characters that print nothing visible, or reorder or break what follows them.
bool IsInvisible(char32_t code) {
    return (code >= 0x80 && code <= 0x9F) || code == 0x200E || code == 0x200F ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) ||
           code == 0xFEFF;
}

void AppendCharacter(std::string& out, std::string_view text, std::size_t pos, const Character& c) {
    char escaped[12];
    if (!c.valid || c.code < 0x20 || c.code == 0x7F) {
        std::snprintf(escaped, sizeof escaped, "\\x%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(text[pos])));
        out += escaped;
    } else if (IsInvisible(c.code)) {
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c.code));
        out += escaped;
    } else {
        out.append(text.substr(pos, c.length));
    }
}

std::string Escaped(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < text.size() && count < maxCharacters; ++count) {
        const Character c = NextCharacter(text, pos);
        AppendCharacter(out, text, pos, c);
        pos += c.length;
    }
    if (pos < text.size()) {
        out += "...";
    }
    return out;
}

}  // namespace

std::string PrintableText(std::string_view text) {
    return Escaped(text, text.size());
}

std::string EchoedText(std::string_view text) {
    return Escaped(text, kMaxEchoedCharacters);
}

std::string QuotedForMessage(std::string_view text) {
    return "\"" + EchoedText(text) + "\"";
}

}  // namespace velmora
