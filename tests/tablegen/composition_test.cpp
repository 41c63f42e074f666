// Compositions: chemical formulas, typed weight fractions, Z/A, and the refusal of bad input.
#include <gtest/gtest.h>

#include "tablegen/composition.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

using testing::Reference;

const ElementTable& Elements() {
    return Reference().elements;
}

double FractionOf(const Composition& c, int z) {
    for (const Component& part : c) {
        if (part.z == z) {
            return part.weightFraction;
        }
    }
    return 0.0;
}

TEST(TablegenFormula, ConvertsAtomCountsToWeightFractions) {
    // Lithium fluoride with the atomic weights 6.941 and 18.9984032.
    const Composition lif = ParseFormula("LiF", Elements());
    ASSERT_EQ(lif.size(), 2u);
    EXPECT_NEAR(FractionOf(lif, 3), 6.941 / (6.941 + 18.9984032), 1e-12);
    EXPECT_NEAR(FractionOf(lif, 9), 18.9984032 / (6.941 + 18.9984032), 1e-12);

    // Water as listed in the reference composition, which older atomic weights made (5e-6 off).
    const Composition water = ParseFormula("H2O", Elements());
    EXPECT_NEAR(FractionOf(water, 1), 0.111894, 1e-5);
    EXPECT_NEAR(FractionOf(water, 8), 0.888106, 1e-5);

    // Repeated elements are merged, groups multiply, groups nest, counts may be decimal.
    const Composition ethanol = ParseFormula("CH3CH2OH", Elements());
    const Composition ethanolSummed = ParseFormula("C2H6O", Elements());
    ASSERT_EQ(ethanol.size(), 3u);
    for (const Component& part : ethanolSummed) {
        EXPECT_NEAR(FractionOf(ethanol, part.z), part.weightFraction, 1e-15);
    }
    const Composition hydroxide = ParseFormula("Ca(OH)2", Elements());
    const Composition flat = ParseFormula("CaO2H2", Elements());
    const Composition nested = ParseFormula("Ca((O)(H))2", Elements());
    const Composition halves = ParseFormula("Ca0.5OH", Elements());
    for (const Component& part : flat) {
        EXPECT_NEAR(FractionOf(hydroxide, part.z), part.weightFraction, 1e-15);
        EXPECT_NEAR(FractionOf(nested, part.z), part.weightFraction, 1e-15);
        EXPECT_NEAR(FractionOf(halves, part.z), part.weightFraction, 1e-15);
    }
}

TEST(TablegenFormula, RefusesUnknownElementsAndMalformedText) {
    for (const char* bad :
         {"Xx2", "LiXy", "h2o", "H2O)", "Ca(OH", "()", "", "  ", "H0", "H2-O", "H..2", "2H"}) {
        EXPECT_THROW(ParseFormula(bad, Elements()), TablegenError) << bad;
    }
    try {
        ParseFormula("NaQ", Elements());
        FAIL();
    } catch (const TablegenError& e) {
        EXPECT_NE(std::string(e.what()).find("unknown element 'Q'"), std::string::npos);
    }
}

TEST(TablegenWeightFractions, ReadsSymbolsOrAtomicNumbersAndScalesToOne) {
    const Composition water = ParseWeightFractions("H:0.111894, O:0.888106", Elements());
    ASSERT_EQ(water.size(), 2u);
    EXPECT_EQ(water[0].z, 1);
    EXPECT_DOUBLE_EQ(water[0].weightFraction, 0.111894);
    const Composition byNumber = ParseWeightFractions("1:0.111894,8:0.888106", Elements());
    EXPECT_DOUBLE_EQ(FractionOf(byNumber, 8), 0.888106);
    // Within the tolerance the fractions are scaled to add up to exactly 1.
    const Composition rounded = ParseWeightFractions("H:0.1115,O:0.8880", Elements());
    EXPECT_NEAR(FractionOf(rounded, 1) + FractionOf(rounded, 8), 1.0, 1e-15);
    EXPECT_NEAR(FractionOf(rounded, 1), 0.1115 / 0.9995, 1e-15);
}

TEST(TablegenWeightFractions, RefusesBadInputWithAClearMessage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"H:0.5,O:0.4", "add up to"},
        {"H:0.6,O:0.6", "add up to"},
        {"H:0.1,Xy:0.9", "unknown element"},
        {"H:0.1,99:0.9", "unknown element"},
        {"H:0.1,H:0.9", "listed twice"},
        {"H:-0.1,O:1.1", "positive"},
        {"H:0,O:1", "positive"},
        {"H:abc,O:0.9", "not a number"},
        {"H0.1,O:0.9", "Symbol:fraction"},
        {"H:0.1,O:0.9,", "Symbol:fraction"},
        {"", "Symbol:fraction"}};
    for (const auto& [text, expected] : cases) {
        try {
            ParseWeightFractions(text, Elements());
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const TablegenError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos)
                << text << ": " << e.what();
        }
    }
}

// Z/A from the weight fractions and atomic weights equals the value the reference list gives
// for every material (6 decimals).
TEST(TablegenElectronsPerGram, MatchesTheReferenceListForAllMaterials) {
    const CsvTable list = ReadCsvFile(testing::SourcePath("data/reference/materials.csv"));
    const std::size_t zOverA = list.Column("Z_over_A_from_ATB");
    ASSERT_EQ(list.rows.size(), Reference().materials.size());
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const ReferenceMaterial& m = Reference().materials[r];
        EXPECT_NEAR(ElectronsPerGram(m.composition, Elements()), list.Number(r, zOverA), 6e-7)
            << m.listName;
    }
}

}  // namespace
}  // namespace velmora::tablegen
