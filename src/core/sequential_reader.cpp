// Sequential reading of an in-memory text by whole lines and by delimited values.
#include "core/sequential_reader.h"

namespace velmora {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEndChar(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

SequentialReader::SequentialReader(std::string_view text) : text_(text) {
    if (text_.starts_with(kUtf8ByteOrderMark)) {
        text_.remove_prefix(kUtf8ByteOrderMark.size());
    }
}

std::optional<std::string> SequentialReader::ReadLine() {
    if (AtEnd()) {
        return std::nullopt;
    }
    const std::size_t start = pos_;
    while (!AtEnd() && !AtLineEnd()) {
        ++pos_;
    }
    std::string line(text_.substr(start, pos_ - start));
    ConsumeLineEnd();
    return line;
}

std::optional<std::string> SequentialReader::ReadValue() {
    while (!AtEnd() && (IsBlank(text_[pos_]) || AtLineEnd())) {
        if (AtLineEnd()) {
            ConsumeLineEnd();
        } else {
            ++pos_;
        }
    }
    if (AtEnd()) {
        return std::nullopt;
    }
    valueLine_ = line_;
    const std::size_t start = pos_;
    while (!AtEnd() && text_[pos_] != ',' && !IsBlank(text_[pos_]) && !AtLineEnd()) {
        ++pos_;
    }
    std::string value(text_.substr(start, pos_ - start));
    SkipBlanks();
    if (!AtEnd() && text_[pos_] == ',') {
        ++pos_;
    } else {
        ConsumeLineEnd();
    }
    return value;
}

int SequentialReader::LastLineNumber() const {
    if (text_.empty()) {
        return 0;
    }
    const bool endsWithLineEnd = AtEnd() && IsLineEndChar(text_.back());
    return endsWithLineEnd ? line_ - 1 : line_;
}

bool SequentialReader::AtLineEnd() const {
    return !AtEnd() && IsLineEndChar(text_[pos_]);
}

// Consumes CR LF, LF or a lone CR, if one stands at the position, and counts the line.
void SequentialReader::ConsumeLineEnd() {
    if (!AtLineEnd()) {
        return;
    }
    const bool carriageReturn = text_[pos_] == '\r';
    ++pos_;
    if (carriageReturn && !AtEnd() && text_[pos_] == '\n') {
        ++pos_;
    }
    ++line_;
}

void SequentialReader::SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) {
        ++pos_;
    }
}

}  // namespace velmora
