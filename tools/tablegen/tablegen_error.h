// The one exception type of the generator: a message for the user, ready to print.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora::tablegen {

// Bad input (command line, composition, reference files) or a result that cannot be written.
class TablegenError : public std::runtime_error {
  public:
    explicit TablegenError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velmora::tablegen
