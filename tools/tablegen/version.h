// The version of the generation method, printed into every file the generator writes. It is data,
// not the program's version (velmora-tablegen --version prints Velmora's).
#pragma once

namespace velmora::tablegen {

// Changing it changes every generated file: regenerate the bundled set afterwards.
inline constexpr const char* kGeneratorVersion = "1.0";

}  // namespace velmora::tablegen
