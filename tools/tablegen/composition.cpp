// Material compositions by weight fraction: reading them from text or a chemical formula.
#include "tablegen/composition.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool ParseDouble(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

// An element given by symbol ("O") or atomic number ("8").
const Element& ElementOf(std::string_view token, const ElementTable& elements) {
    if (!token.empty() && std::isdigit(static_cast<unsigned char>(token.front()))) {
        int z = 0;
        const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), z);
        if (ec == std::errc() && ptr == token.data() + token.size() && z >= 1 &&
            z <= elements.MaxZ()) {
            return elements.ByZ(z);
        }
    } else if (const Element* e = elements.FindSymbol(token)) {
        return *e;
    }
    throw TablegenError("unknown element '" + std::string(token) + "'");
}

// Adds atoms of one element to a list kept in order of first appearance.
void AddAtoms(std::vector<std::pair<int, double>>& atoms, int z, double count) {
    for (auto& [knownZ, knownCount] : atoms) {
        if (knownZ == z) {
            knownCount += count;
            return;
        }
    }
    atoms.emplace_back(z, count);
}

// Recursive descent over: formula = group*, group = (Symbol | "(" formula ")") [count].
class FormulaParser {
  public:
    FormulaParser(std::string_view text, const ElementTable& elements)
        : text_(text), elements_(elements) {}

    std::vector<std::pair<int, double>> ParseAll() {
        auto atoms = ParseSequence();
        if (pos_ < text_.size()) {
            Fail("unexpected '" + std::string(1, text_[pos_]) + "'");
        }
        if (atoms.empty()) {
            Fail("no element");
        }
        return atoms;
    }

  private:
    std::vector<std::pair<int, double>> ParseSequence() {
        std::vector<std::pair<int, double>> atoms;
        while (pos_ < text_.size() && text_[pos_] != ')') {
            for (const auto& [z, count] : ParseGroup()) {
                AddAtoms(atoms, z, count);
            }
        }
        return atoms;
    }

    std::vector<std::pair<int, double>> ParseGroup() {
        std::vector<std::pair<int, double>> atoms;
        if (text_[pos_] == '(') {
            ++pos_;
            atoms = ParseSequence();
            if (pos_ >= text_.size()) {
                Fail("missing ')'");
            }
            ++pos_;
            if (atoms.empty()) {
                Fail("empty parentheses");
            }
        } else {
            atoms.emplace_back(ParseSymbol(), 1.0);
        }
        const double count = ParseCount();
        for (auto& atom : atoms) {
            atom.second *= count;
        }
        return atoms;
    }

    int ParseSymbol() {
        if (!std::isupper(static_cast<unsigned char>(text_[pos_]))) {
            Fail("expected an element symbol at '" + std::string(text_.substr(pos_)) + "'");
        }
        std::size_t end = pos_ + 1;
        while (end < text_.size() && std::islower(static_cast<unsigned char>(text_[end]))) {
            ++end;
        }
        const std::string_view symbol = text_.substr(pos_, end - pos_);
        const Element* element = elements_.FindSymbol(symbol);
        if (element == nullptr) {
            throw TablegenError("unknown element '" + std::string(symbol) + "' in formula '" +
                                std::string(text_) + "'");
        }
        pos_ = end;
        return element->z;
    }

    double ParseCount() {
        std::size_t end = pos_;
        while (end < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[end])) || text_[end] == '.')) {
            ++end;
        }
        if (end == pos_) {
            return 1.0;
        }
        double count = 0.0;
        if (!ParseDouble(text_.substr(pos_, end - pos_), count) || !(count > 0.0)) {
            Fail("bad count '" + std::string(text_.substr(pos_, end - pos_)) + "'");
        }
        pos_ = end;
        return count;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw TablegenError("malformed formula '" + std::string(text_) + "': " + what);
    }

    std::string_view text_;
    const ElementTable& elements_;
    std::size_t pos_ = 0;
};

}  // namespace

double ElectronsPerGram(const Composition& composition, const ElementTable& elements) {
    double sum = 0.0;
    for (const Component& c : composition) {
        sum += c.weightFraction * c.z / elements.ByZ(c.z).atomicWeight;
    }
    return sum;
}

void CheckComposition(const Composition& composition, const ElementTable& elements) {
    if (composition.empty()) {
        throw TablegenError("the composition is empty");
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < composition.size(); ++i) {
        const Element& e = elements.ByZ(composition[i].z);
        if (!(composition[i].weightFraction > 0.0) ||
            !std::isfinite(composition[i].weightFraction)) {
            throw TablegenError("the weight fraction of " + e.symbol +
                                " must be a positive number");
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (composition[j].z == composition[i].z) {
                throw TablegenError("element " + e.symbol + " is listed twice");
            }
        }
        sum += composition[i].weightFraction;
    }
    if (std::fabs(sum - 1.0) > kFractionSumTolerance) {
        throw TablegenError("the weight fractions add up to " + std::to_string(sum) + ", not to 1");
    }
}

Composition ParseWeightFractions(std::string_view text, const ElementTable& elements) {
    Composition composition;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) {
            comma = text.size();
        }
        const std::string_view item = Trim(text.substr(pos, comma - pos));
        pos = comma + 1;
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos) {
            throw TablegenError("composition item '" + std::string(item) +
                                "' is not of the form Symbol:fraction");
        }
        const Element& element = ElementOf(Trim(item.substr(0, colon)), elements);
        const std::string_view fractionText = Trim(item.substr(colon + 1));
        double fraction = 0.0;
        if (!ParseDouble(fractionText, fraction)) {
            throw TablegenError("the weight fraction '" + std::string(fractionText) + "' of " +
                                element.symbol + " is not a number");
        }
        composition.push_back({element.z, fraction});
    }
    CheckComposition(composition, elements);
    double sum = 0.0;
    for (const Component& c : composition) {
        sum += c.weightFraction;
    }
    for (Component& c : composition) {
        c.weightFraction /= sum;
    }
    return composition;
}

Composition ParseFormula(std::string_view formula, const ElementTable& elements) {
    const std::string_view text = Trim(formula);
    const auto atoms = FormulaParser(text, elements).ParseAll();
    double totalMass = 0.0;
    for (const auto& [z, count] : atoms) {
        totalMass += count * elements.ByZ(z).atomicWeight;
    }
    Composition composition;
    for (const auto& [z, count] : atoms) {
        composition.push_back({z, count * elements.ByZ(z).atomicWeight / totalMass});
    }
    return composition;
}

}  // namespace velmora::tablegen
