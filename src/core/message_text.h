// Text that goes into a one-line message (velmora-query's standard error, the Python module's
// exceptions): echoed input cut to a readable length, and nothing that could break the line or the
// terminal.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The text with every character that cannot be shown safely escaped: control characters and
// bytes that are not UTF-8 as \xNN, invisible or direction-changing characters (C1 controls,
// line and paragraph separators, bidirectional marks and overrides, the byte order mark) as
// \uNNNN. Other UTF-8 text stays as it is.
std::string PrintableText(std::string_view text);

// Echoed input for a message: PrintableText of at most kMaxEchoedCharacters characters (a byte
// that is not UTF-8 counts as one), followed by "..." when the text is longer.
inline constexpr std::size_t kMaxEchoedCharacters = 60;
std::string EchoedText(std::string_view text);

// EchoedText in double quotes.
std::string QuotedForMessage(std::string_view text);

}  // namespace velmora
