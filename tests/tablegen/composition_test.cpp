// Compositions: chemical formulas, typed weight fractions, and the refusal of bad input.
#include <gtest/gtest.h>

#include <map>

#include "tablegen/composition.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

const ElementTable& Elements() {
    return testing::Reference().elements;
}

// The weight fractions by Z of a formula, or of typed fractions when the text has a colon; each
// element must come once.
std::map<int, double> Fractions(const std::string& text) {
    std::map<int, double> byZ;
    for (const Component& c : text.find(':') == std::string::npos
                                  ? ParseFormula(text, Elements())
                                  : ParseWeightFractions(text, Elements())) {
        EXPECT_TRUE(byZ.emplace(c.z, c.weightFraction).second) << text << " lists Z " << c.z;
    }
    return byZ;
}

// Repeated elements merged, groups multiplied and nested, decimal counts, typed fractions by
// symbol or atomic number, and fractions within the tolerance scaled to add up to exactly 1.
TEST(TablegenComposition, FormulasAndTypedFractionsGiveWeightFractions) {
    const double li = 6.941, f = 18.9984032;  // the atomic weights of the reference table
    const std::vector<std::pair<std::string, std::map<int, double>>> cases = {
        {"LiF", {{3, li / (li + f)}, {9, f / (li + f)}}},
        {"CH3CH2OH", Fractions("C2H6O")},
        {"Ca(OH)2", Fractions("CaO2H2")},
        {"Ca((O)(H))2", Fractions("CaO2H2")},
        {"Ca0.5OH", Fractions("CaO2H2")},
        {"H:0.111894, O:0.888106", {{1, 0.111894}, {8, 0.888106}}},
        {"1:0.111894,8:0.888106", {{1, 0.111894}, {8, 0.888106}}},
        {"H:0.1115,O:0.8880", {{1, 0.1115 / 0.9995}, {8, 0.8880 / 0.9995}}},
    };
    for (const auto& [text, expected] : cases) {
        const std::map<int, double> actual = Fractions(text);
        ASSERT_EQ(actual.size(), expected.size()) << text;
        for (const auto& [z, fraction] : expected) {
            EXPECT_NEAR(actual.count(z) ? actual.at(z) : 0.0, fraction, 1e-12)
                << text << " Z " << z;
        }
    }
}

// Unknown elements, malformed formulas, fractions not adding up to 1 within the tolerance either
// way, repeated elements, and fractions that are not positive numbers.
TEST(TablegenComposition, RefusesBadInput) {
    for (const char* bad :
         {"Xx2",         "h2o",          "H2O)",         "Ca(OH",       "()",      "",
          "  ",          "H0",           "H2-O",         "H..2",        "2H",      "H:0.5,O:0.4",
          "H:0.6,O:0.6", "H:0.1,Xy:0.9", "H:0.1,99:0.9", "H:0.1,H:0.9", "H:0,O:1", "H:abc,O:0.9",
          "H0.1,O:0.9",  "H:0.1,O:0.9,"}) {
        EXPECT_THROW(Fractions(bad), TablegenError) << bad;
    }
}

}  // namespace
}  // namespace velmora::tablegen
