// Material compositions by weight fraction: reading them from text or a chemical formula.
#pragma once

#include <string_view>
#include <vector>

#include "tablegen/elements.h"

namespace velmora::tablegen {

struct Component {
    int z = 0;
    double weightFraction = 0.0;
};

// Components in the order given, each element once.
using Composition = std::vector<Component>;

// Largest accepted difference between the sum of typed weight fractions and 1.
inline constexpr double kFractionSumTolerance = 1e-3;

// Electrons per unit mass, Z/A in mol/g: the weight-fraction sum of Z_i / A_i.
double ElectronsPerGram(const Composition& composition, const ElementTable& elements);

// Reads "H:0.111894,O:0.888106" (element symbols or atomic numbers, weight fractions). Throws
// TablegenError for an unknown element, a repeated element, a fraction that is not a positive
// number, or fractions whose sum differs from 1 by more than kFractionSumTolerance; accepted
// fractions are scaled to sum to exactly 1.
Composition ParseWeightFractions(std::string_view text, const ElementTable& elements);

// Reads a chemical formula such as "LiF", "C2H6O", "Ca(OH)2" or "C5H8O2" (counts may be decimal
// numbers; parentheses may nest) and converts it to weight fractions with the atomic weights of
// the table. Throws TablegenError for an unknown symbol or a malformed formula.
Composition ParseFormula(std::string_view formula, const ElementTable& elements);

// Checks a composition from any source: known elements, each once, positive fractions summing
// to 1 within kFractionSumTolerance. Throws TablegenError naming the fault.
void CheckComposition(const Composition& composition, const ElementTable& elements);

}  // namespace velmora::tablegen
