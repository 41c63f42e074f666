// Sequential reading of a text held in memory: whole lines and delimited values.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Walks through a text the way a line-and-value file reader does. Line ends may be CR LF, LF or a
// lone CR. A UTF-8 byte order mark at the very start of the text is skipped. Blanks are spaces
// and tabs. The reader keeps a 1-based line number of its position for error messages. It views
// the text without copying it: the text must outlive the reader.
class SequentialReader {
  public:
    explicit SequentialReader(std::string_view text);

    // The rest of the current line without its line end; moves to the next line.
    // Empty optional when the text is exhausted.
    std::optional<std::string> ReadLine();

    // Skips blanks and line ends, takes the item up to a comma, blank or line end, then skips
    // blanks and consumes one comma or one line end if one follows. Empty optional at the end.
    // An item between two commas is the empty string.
    std::optional<std::string> ReadValue();

    bool AtEnd() const { return pos_ >= text_.size(); }
    int LineNumber() const { return line_; }

    // Line on which the item returned by the last ReadValue began (0 before any value).
    int LastValueLine() const { return valueLine_; }

    // Once AtEnd(): the number of the text's last line, not counting the empty remainder after a
    // final line end; 0 for an empty text. Names the line at which a text ended too early.
    int LastLineNumber() const;

  private:
    bool AtLineEnd() const;
    void ConsumeLineEnd();
    void SkipBlanks();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int valueLine_ = 0;
};

}  // namespace velmora
