// Tests of the decoding of material files: code page 932 against iconv, and the one rule for
// text that is neither UTF-8 nor code page 932.
#include "core/text_decoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <tuple>

namespace velmora {
namespace {

// What glibc's iconv makes of the bytes as "CP932": the UTF-8 text, or nullopt when it refuses
// them (a byte or pair that is no character, a pair cut off at the end).
class Iconv932 {
  public:
    Iconv932() : converter_(iconv_open("UTF-8", "CP932")) {}
    ~Iconv932() { iconv_close(converter_); }
    bool Usable() const { return converter_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> operator()(std::string bytes) const {
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        char out[16];
        char* in = bytes.data();
        char* next = out;
        std::size_t inLeft = bytes.size(), outLeft = sizeof out;
        if (iconv(converter_, &in, &inLeft, &next, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        return std::string(out, next);
    }

  private:
    iconv_t converter_;
};

TEST(TextDecodingTest, CodePage932IsIconvsOnEveryOneAndTwoByteSequence) {
    const Iconv932 iconv932;
    ASSERT_TRUE(iconv932.Usable());
    int characters = 0, pairs = 0, refused = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        const std::optional<std::string> expected = iconv932(one);
        ASSERT_EQ(DecodeCodePage932(one), expected) << std::hex << first;
        characters += expected.has_value();
        for (int second = 0; second < 256; ++second) {
            const std::string two = one + static_cast<char>(second);
            const std::optional<std::string> both = iconv932(two);
            ASSERT_EQ(DecodeCodePage932(two), both) << std::hex << first << ' ' << second;
            pairs += !expected && both.has_value();
            refused += !both;
        }
    }
    // ASCII and the half-width katakana alone; 9,604 pairs, 1,880 of them the user-defined area.
    EXPECT_EQ(std::tuple(characters, pairs, refused), std::tuple(128 + 63, 9604, 19451));
}

// Longer texts, and the one rule for malformed bytes: one damaged sequence anywhere makes the
// whole text Latin-1, each byte one character, nothing replaced or dropped.
TEST(TextDecodingTest, MaterialTextsAreUtf8ElseCodePage932ElseLatin1AsAWhole) {
    const struct {
        std::string bytes, text;
    } cases[] = {
        {"\x93\x53 Iron \x90\x85\r\n", "鉄 Iron 水\r\n"},      // trail byte 'S'
        {"\x87\x40\x81\x5F\xA6\x5C~", "①＼ｦ\\~"},              // Windows-only, 0x5C and 0x7E ASCII
        {"\xF0\x40", "\xEE\x80\x80"},                          // user-defined area: U+E000
        {"\x90\x85\x81\x7F", "\xC2\x90\xC2\x85\xC2\x81\x7F"},  // a pair that is no character
        {"\x90\x85\x81", "\xC2\x90\xC2\x85\xC2\x81"},          // a pair cut off at the end
        {"\x93\x53\xA0", "\xC2\x93S\xC2\xA0"},                 // a byte that is no character
        {"\x93\x53\x0A\x81\x0A", "\xC2\x93S\n\xC2\x81\n"},     // a line end cannot end a pair
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeMaterialBytes(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace velmora
