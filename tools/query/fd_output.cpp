// Buffered writes to a file descriptor, every byte or the first error.
#include "query/fd_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmora::query {

FileDescriptorOutput::FileDescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool FileDescriptorOutput::WriteAll(const char* data, std::size_t size) {
    while (size > 0 && error_ == 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return error_ == 0;
}

bool FileDescriptorOutput::FlushBuffer() {
    const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return WriteAll(buffer_.data(), pending);
}

FileDescriptorOutput::int_type FileDescriptorOutput::overflow(int_type c) {
    if (!FlushBuffer()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize FileDescriptorOutput::xsputn(const char* data, std::streamsize size) {
    const auto count = static_cast<std::size_t>(size);
    if (count > static_cast<std::size_t>(epptr() - pptr())) {
        // What is buffered goes first; a text as large as the buffer is written directly.
        if (!FlushBuffer()) {
            return 0;
        }
        if (count >= buffer_.size()) {
            return WriteAll(data, count) ? size : 0;
        }
    }
    std::memcpy(pptr(), data, count);
    pbump(static_cast<int>(count));
    return size;
}

int FileDescriptorOutput::sync() {
    return FlushBuffer() ? 0 : -1;
}

std::string WriteFailureReason(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const FileDescriptorOutput*>(out.rdbuf());
    if (buffer == nullptr || buffer->Error() == 0) {
        return {};
    }
    return std::string(": ") + std::strerror(buffer->Error());
}

}  // namespace velmora::query
