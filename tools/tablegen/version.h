// The version of the table generator, printed into every file it writes.
#pragma once

namespace velmora::tablegen {

// Changing it changes every generated file: regenerate the bundled set afterwards.
inline constexpr const char* kGeneratorVersion = "1.0";

}  // namespace velmora::tablegen
