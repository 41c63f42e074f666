// The mapping of Windows code page 932 to Unicode, generated from iconv into
// code_page_932_table.cpp by scripts/generate-cp932-table.
#pragma once

namespace velmora::cp932 {

inline constexpr int kLeadBytes = 60;                // first bytes of a pair: 0x81-0x9F, 0xE0-0xFC
inline constexpr int kFirstTrailByte = 0x40;         // second bytes run from 0x40 ...
inline constexpr int kTrailBytes = 0xFC - 0x40 + 1;  // ... to 0xFC
inline constexpr char16_t kNone = 0xFFFF;            // no character (a noncharacter of Unicode)

// The character of each byte alone; kNone for a first byte of a pair and for a byte that is no
// character.
extern const char16_t kSingleBytes[256];
// The row of kPairs for a first byte of a pair, -1 for any other byte.
extern const signed char kPairRow[256];
// The character of each pair by its second byte (from kFirstTrailByte); kNone where the pair is
// no character.
extern const char16_t kPairs[kLeadBytes][kTrailBytes];

}  // namespace velmora::cp932
