// Tests of nuclide lists (bundled and the user's), nuclide names and the beta+ spectra.
#include "core/positron_emitters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/beta_spectrum.h"

namespace velmora {
namespace {

constexpr const char* kHeader =
    "nuclide,daughter_Z,A,half_life,half_life_unit,endpoint_keV,mean_keV,intensity_percent\n";

TEST(PositronEmittersTest, BundledListHoldsTheElevenNuclidesAndTheirBranches) {
    const std::vector<Nuclide>& list = BundledNuclides();
    std::string names;
    for (const Nuclide& n : list)
        names += n.name + (n.branches.size() > 1 ? "*" : "") + " ";
    EXPECT_EQ(names, "C-11 N-13 O-15 F-18 Na-22 Sc-44 Cu-64 Ga-68* Rb-82* Zr-89 I-124* ");
    const Nuclide& ga = *FindNuclide(list, "Ga-68");
    EXPECT_EQ(ga.daughterZ, 30);
    EXPECT_EQ(ga.halfLifeUnit, "min");
    EXPECT_DOUBLE_EQ(ga.PositronsPer100Decays(), 87.72 + 1.19);
    EXPECT_DOUBLE_EQ(ga.HighestEndpointMeV(), 1.8991);
    EXPECT_DOUBLE_EQ(ga.MeanEnergyMeV(), (0.836 * 87.72 + 0.3526 * 1.19) / (87.72 + 1.19));
    EXPECT_FALSE(ga.fromUser);
}

TEST(PositronEmittersTest, NamesAreFoundAsPeopleWriteThem) {
    for (const char* spelling : {"F-18", "18F", "F18", "f-18", "F 18", "18-F", " f18 "})
        EXPECT_EQ(FindNuclide(BundledNuclides(), spelling)->name, "F-18") << spelling;
    EXPECT_EQ(FindNuclide(BundledNuclides(), "124i")->name, "I-124");
    EXPECT_EQ(FindNuclide(BundledNuclides(), "rb82")->name, "Rb-82");
    for (const char* wrong : {"", "F", "18", "F-19", "Fl-18", "F-18-1", "F18x", "18F1", "F_18",
                              "Fluorine-18", "Ga-6 8x"})
        EXPECT_EQ(FindNuclide(BundledNuclides(), wrong), nullptr) << wrong;
}

// The allowed spectrum reproduces every evaluated mean energy within 1 %, I-124's first-forbidden
// 2138 keV branch within 2 %, and integrates to the branch's intensity.
TEST(BetaSpectrumTest, MeanEnergiesAgreeWithTheEvaluationAndSpectraIntegrateToTheIntensity) {
    for (const Nuclide& n : BundledNuclides()) {
        for (const BetaPlusBranch& b : n.branches) {
            const BetaPlusSpectrum spectrum(b, n.daughterZ, n.massNumber);
            const bool forbidden = n.name == "I-124" && b.endpointMeV > 2.0;
            EXPECT_NEAR(spectrum.MeanEnergyMeV() / b.meanMeV, 1.0, forbidden ? 0.02 : 0.01)
                << n.name << " " << b.endpointMeV;
            // An independent midpoint sum over 20000 steps.
            const int steps = 20000;
            double area = 0.0;
            for (int k = 0; k < steps; ++k)
                area += spectrum.PositronsPerMeV((k + 0.5) * b.endpointMeV / steps);
            area *= b.endpointMeV / steps;
            EXPECT_NEAR(area, b.intensityPercent, 1e-5 * b.intensityPercent) << n.name;
            EXPECT_NEAR(spectrum.PositronsAbove(0.0), b.intensityPercent, 1e-9) << n.name;
            EXPECT_EQ(spectrum.PositronsAbove(b.endpointMeV), 0.0);
            EXPECT_EQ(spectrum.PositronsPerMeV(0.0), 0.0);
            EXPECT_EQ(spectrum.PositronsPerMeV(b.endpointMeV * 1.001), 0.0);
            EXPECT_GT(spectrum.PositronsPerMeV(b.meanMeV), 0.0);
        }
    }
    // The daughter's charge pushes positrons to higher energies: the mean rises with Z.
    const BetaPlusBranch branch{1.0, 0.4, 100.0};
    double previous = 0.0;
    for (const int z : {1, 8, 30, 52, 80}) {
        const double mean = BetaPlusSpectrum(branch, z, 2 * z + 2).MeanEnergyMeV();
        EXPECT_GT(mean, previous) << z;
        previous = mean;
    }
}

TEST(PositronEmittersTest, UserListsAreReadWholeOrRefusedWithTheirLine) {
    const std::string good = std::string("\xEF\xBB\xBF# a comment\r\n\r\n") + kHeader +
                             "Tb-152,64,152,17.5,h,2620,1140,20.3\r\n"
                             "# the second branch\n"
                             "Tb-152,64,152,17.5,h,1900,830,0.6\n";
    const NuclideList list = ParseNuclideList(good, "mine.csv");
    ASSERT_FALSE(list.error) << list.error->Message();
    ASSERT_EQ(list.nuclides.size(), 1u);
    EXPECT_EQ(list.nuclides[0].branches.size(), 2u);
    EXPECT_DOUBLE_EQ(list.nuclides[0].branches[1].endpointMeV, 1.9);
    EXPECT_DOUBLE_EQ(list.nuclides[0].halfLife, 17.5);

    struct Case {
        std::string lines;  // after the header
        int line;           // of the fault
        const char* says;
    };
    const Case cases[] = {
        {"F-18,8,18,109.77,min,633.5,249.8\n", 3, "7 fields instead of 8"},
        {"F-18,8,18,109.77,min,633.5,249.8,96.86,1\n", 3, "9 fields"},
        {"Xx-18,8,18,109.77,min,633.5,249.8,96.86\n", 3, "not an element symbol"},
        {"F-18,9,18,109.77,min,633.5,249.8,96.86\n", 3, "has Z = 8, not 9"},
        {"F-18,8,19,109.77,min,633.5,249.8,96.86\n", 3, "A 19 does not fit F-18"},
        {"F-18,8,18,1O9.77,min,633.5,249.8,96.86\n", 3, "half_life \"1O9.77\" is not a number"},
        {"F-18,8,18,0,min,633.5,249.8,96.86\n", 3, "half-life 0 is not positive"},
        {"F-18,8,18,109.77,minutes,633.5,249.8,96.86\n", 3, "unit \"minutes\""},
        {"F-18,8,18,109.77,min,0,249.8,96.86\n", 3, "endpoint 0 keV"},
        {"F-18,8,18,109.77,min,200000,249.8,96.86\n", 3, "endpoint 200000 keV"},
        {"F-18,8,18,109.77,min,633.5,633.5,96.86\n", 3, "mean energy 633.5 keV"},
        {"F-18,8,18,109.77,min,633.5,249.8,0\n", 3, "intensity 0 is not above 0"},
        {"F-18,8,18,109.77,min,633.5,249.8,100.5\n", 3, "intensity 100.5"},
        {"F-18,8,18,109.77,min,633.5,249.8,nan\n", 3, "\"nan\" is not a number"},
        {"F-18,8,18,109.77,min,633.5,249.8,96.86\nF-18,8,18,110,min,500,200,1\n", 4,
         "differs from its first line"},
        {"F-18,8,18,109.77,min,633.5,249.8,96.86\nF-18,8,18,109.77,min,500,200,4\n", 4,
         "100.86 positrons per 100 decays"},
        {"F-18,8,18,109.77,min,633.5,249.8,96.86\n\nF-18;8;18\n", 5, "1 fields"},
    };
    for (const Case& c : cases) {
        const NuclideList bad =
            ParseNuclideList(std::string("# mine\n") + kHeader + c.lines, "mine.csv");
        ASSERT_TRUE(bad.error) << c.says;
        EXPECT_TRUE(bad.nuclides.empty()) << c.says;  // never half a list
        EXPECT_EQ(bad.error->line, c.line) << c.says;
        EXPECT_NE(bad.error->Message().find(c.says), std::string::npos) << bad.error->Message();
        EXPECT_NE(bad.error->Message().find("mine.csv, line " + std::to_string(c.line)),
                  std::string::npos);
    }
    for (const char* headless : {"", "# only a comment\n", "F-18,8,18,109.77,min,633.5,249.8,1\n"})
        EXPECT_TRUE(ParseNuclideList(headless, "x.csv").error) << headless;
}

TEST(PositronEmittersTest, UserFileReplacesBundledNuclidesAndAMalformedOneLeavesThemAlone) {
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("velmora-emitters-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    const std::filesystem::path file = UserNuclideFile(folder);
    EXPECT_EQ(file, folder / "emitters" / "positron_emitters.csv");
    std::filesystem::remove_all(folder);
    NuclideList none = NuclidesWithUserFile(file);
    EXPECT_FALSE(none.error);
    EXPECT_EQ(none.nuclides.size(), 11u);

    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << kHeader << "F-18,8,18,109.7,min,633.0,250.0,96.7\n"
                        << "Tb-152,64,152,17.5,h,2620,1140,20.3\n";
    const NuclideList merged = NuclidesWithUserFile(file);
    ASSERT_FALSE(merged.error);
    ASSERT_EQ(merged.nuclides.size(), 12u);
    EXPECT_EQ(merged.nuclides[3].name, "F-18");  // in the bundled one's place
    EXPECT_TRUE(merged.nuclides[3].fromUser);
    EXPECT_DOUBLE_EQ(merged.nuclides[3].branches[0].endpointMeV, 0.633);
    EXPECT_EQ(merged.nuclides[11].name, "Tb-152");
    EXPECT_TRUE(merged.nuclides[11].fromUser);
    EXPECT_FALSE(merged.nuclides[0].fromUser);

    std::ofstream(file) << kHeader << "Tb-152,64,152,17.5,h,2620,1140,20.3\n"
                        << "F-18,8,18,109.7,min,633.0,250.0\n";
    const NuclideList refused = NuclidesWithUserFile(file);
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(refused.error->Message(), "The nuclide list " + file.string() +
                                            ", line 3, was not read: the line has 7 fields "
                                            "instead of 8.");
    EXPECT_EQ(refused.nuclides.size(), 11u);
    EXPECT_FALSE(FindNuclide(refused.nuclides, "F-18")->fromUser);
    EXPECT_EQ(FindNuclide(refused.nuclides, "Tb-152"), nullptr);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmora
