// The exit statuses of velmora-query and the exception that carries a refusal to the top.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora::query {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitIoFailure = 1;     // output not written, standard input not read
inline constexpr int kExitUsage = 2;         // command line not understood, nothing to look up
inline constexpr int kExitNoMaterial = 3;    // no material folders, unknown or ambiguous name
inline constexpr int kExitMaterialFile = 4;  // the material file unreadable or malformed
inline constexpr int kExitRefusedValue = 5;  // an energy, range or interval refused

// A refusal: one line for standard error and the exit status.
class QueryError : public std::runtime_error {
  public:
    QueryError(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    int Status() const { return status_; }

  private:
    int status_;
};

}  // namespace velmora::query
