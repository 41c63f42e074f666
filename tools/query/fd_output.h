// Standard output as a stream buffer over a file descriptor that remembers why a write failed,
// so that the message can name the reason (a full disk, a lost connection, ...).
#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace velmora::query {

class FileDescriptorOutput : public std::streambuf {
  public:
    explicit FileDescriptorOutput(int fd);
    FileDescriptorOutput(const FileDescriptorOutput&) = delete;
    FileDescriptorOutput& operator=(const FileDescriptorOutput&) = delete;

    // errno of the first write that failed; 0 while every write succeeded.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

  private:
    bool WriteAll(const char* data, std::size_t size);
    bool FlushBuffer();

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_;
};

// Why writing to the stream failed, as ": reason", when its buffer knows; else empty.
std::string WriteFailureReason(const std::ostream& out);

}  // namespace velmora::query
