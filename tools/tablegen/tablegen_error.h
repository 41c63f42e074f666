// The one exception type of the generator: a message for the user, ready to print, and the exit
// status it ends the program with.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora::tablegen {

// The exit statuses, the same as velmora-query's for the same kinds of failure.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitIoFailure = 1;     // a file not written (or not replaced without --force)
inline constexpr int kExitUsage = 2;         // command line not understood
inline constexpr int kExitDataFile = 4;      // a reference input unreadable or malformed
inline constexpr int kExitRefusedValue = 5;  // a value refused: density, I, composition, name

// Bad input (command line, composition, reference files) or a result that cannot be written.
class TablegenError : public std::runtime_error {
  public:
    explicit TablegenError(const std::string& message, int status = kExitRefusedValue)
        : std::runtime_error(message), status_(status) {}
    int Status() const { return status_; }

  private:
    int status_;
};

}  // namespace velmora::tablegen
