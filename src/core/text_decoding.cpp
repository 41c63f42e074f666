// Decoding material files: UTF-8, Windows code page 932 by its generated table, Latin-1.
#include "core/text_decoding.h"

#include "core/code_page_932_table.h"

namespace velmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at text[pos], or 0: no overlong forms, no surrogates,
// nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

// Appends a code point of the Basic Multilingual Plane (never a surrogate here) as UTF-8.
void AppendUtf8(std::string& out, char16_t unit) {
    const unsigned code = unit;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character of the pair lead, trail, or cp932::kNone.
char16_t PairCharacter(int pairRow, unsigned char trail) {
    const int column = trail - cp932::kFirstTrailByte;
    if (column < 0 || column >= cp932::kTrailBytes) {
        return cp932::kNone;
    }
    return cp932::kPairs[pairRow][column];
}

std::string FromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        AppendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

}  // namespace

std::optional<std::string> DecodeCodePage932(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        const int pairRow = cp932::kPairRow[byte];
        char16_t unit = cp932::kSingleBytes[byte];
        if (pairRow >= 0) {
            if (++pos == bytes.size()) {
                return std::nullopt;  // the pair is cut off
            }
            unit = PairCharacter(pairRow, static_cast<unsigned char>(bytes[pos]));
        }
        if (unit == cp932::kNone) {
            return std::nullopt;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::string DecodeMaterialBytes(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (IsUtf8(bytes)) {
        return std::string(bytes);
    }
    if (std::optional<std::string> decoded = DecodeCodePage932(bytes)) {
        return std::move(*decoded);
    }
    return FromLatin1(bytes);
}

}  // namespace velmora
