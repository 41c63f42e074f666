// The text of material files decoded to UTF-8 in plain C++: no iconv, no locale, no file access,
// so that the windows, the command line and the web edition read every file alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Bytes in Windows code page 932 (Shift_JIS as Japanese Windows writes it) as UTF-8, character for
// character as glibc's iconv converts "CP932". One rule for malformed bytes: a byte that is no
// character, a first byte of a pair at the end, or a pair that is no character makes the whole
// text not code page 932 (nullopt); nothing is replaced or dropped.
std::optional<std::string> DecodeCodePage932(std::string_view bytes);

// Bytes of unknown encoding as UTF-8, as every reader of material files decodes them: valid UTF-8
// as it is (a leading byte-order mark dropped), otherwise code page 932 (the encoding of files
// from Japanese Windows) when DecodeCodePage932 takes the whole text, otherwise Latin-1, which
// keeps every byte as one character.
std::string DecodeMaterialBytes(std::string_view bytes);

}  // namespace velmora
