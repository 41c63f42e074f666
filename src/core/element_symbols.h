// The chemical symbols of the elements, so that a material can be named by its symbol.
#pragma once

#include <string_view>

namespace velmora {

// The atomic number of the element whose symbol is exactly text, capitals as in the symbol
// ("Pb" gives 82; "pb", "PB" and "Lead" give 0).
int AtomicNumberOfSymbol(std::string_view text);

}  // namespace velmora
