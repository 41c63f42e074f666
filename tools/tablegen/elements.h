// The chemical elements the generator knows: atomic number, symbol, name and atomic weight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::tablegen {

struct Element {
    int z = 0;
    std::string symbol;
    std::string name;
    double atomicWeight = 0.0;  // g/mol, the value the reference tables were computed with
};

// Elements indexed by atomic number (entry i holds Z = i + 1), without gaps.
class ElementTable {
  public:
    explicit ElementTable(std::vector<Element> elements);

    int MaxZ() const { return static_cast<int>(elements_.size()); }
    const Element& ByZ(int z) const;  // throws TablegenError for an unknown Z
    // nullptr when no element has this symbol (the match is case-sensitive: "Co" is not "CO").
    const Element* FindSymbol(std::string_view symbol) const;

  private:
    std::vector<Element> elements_;
};

}  // namespace velmora::tablegen
