// The chemical elements the generator knows: atomic number, symbol, name and atomic weight.
#include "tablegen/elements.h"

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {

ElementTable::ElementTable(std::vector<Element> elements) : elements_(std::move(elements)) {
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const Element& e = elements_[i];
        if (e.z != static_cast<int>(i) + 1 || e.symbol.empty() || !(e.atomicWeight > 0.0)) {
            throw TablegenError("element table: entry " + std::to_string(i + 1) +
                                " is not element Z = " + std::to_string(i + 1) +
                                " with a symbol and a positive atomic weight");
        }
    }
}

const Element& ElementTable::ByZ(int z) const {
    if (z < 1 || z > MaxZ()) {
        throw TablegenError("unknown element Z = " + std::to_string(z) + " (known: 1 to " +
                            std::to_string(MaxZ()) + ")");
    }
    return elements_[static_cast<std::size_t>(z - 1)];
}

const Element* ElementTable::FindSymbol(std::string_view symbol) const {
    for (const Element& e : elements_) {
        if (e.symbol == symbol) {
            return &e;
        }
    }
    return nullptr;
}

}  // namespace velmora::tablegen
