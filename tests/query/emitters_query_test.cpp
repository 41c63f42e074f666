// Tests of velmora-query emitters on the bundled tables: the literature's figures, the particle,
// the spellings, the spectrum, the share beyond a layer, the user's nuclides and every refusal.
#include <cmath>

#include "core/emitter_ranges.h"
#include "core/material_reading.h"
#include "core/positron_emitters.h"
#include "query/query_error.h"
#include "query_test_support.h"

namespace velmora::query::testing {
namespace {

const std::string kWater = "water, liquid";

// Rows of a csv output as their fields (no field of the bundled list holds a comma).
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : BodyLines(text, 1)) {
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            row.push_back(field);
    }
    return rows;
}

double Rounded(double value, double step) {
    return std::round(value / step) * step;
}

// Reviews of PET nuclides give F-18 in water, from electron tables: Rmax 2.4 mm, Rmean 0.6 mm.
TEST(EmittersQueryTest, ElectronTablesReproduceTheLiteratureForF18InWater) {
    const auto table = LoadMaterialTable(SourcePath("data/e_STC/Water liquid.stc"));
    ASSERT_TRUE(table);
    const Nuclide& f18 = *FindNuclide(BundledNuclides(), "F-18");
    const EmitterRanges r = *ComputeEmitterRanges(f18, *table.value);
    EXPECT_DOUBLE_EQ(Rounded(RangeInMillimetres(r.rMax, 1.0), 0.1), 2.4);
    EXPECT_DOUBLE_EQ(Rounded(RangeInMillimetres(r.rMean, 1.0), 0.1), 0.6);
    const auto rows = CsvRows(Output({"emitters", kWater, "F-18", "--particle", "electron",
                                      "--format", "csv", "--digits", "2"}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][9], "2.4E+00");   // Rmax, mm
    EXPECT_EQ(rows[0][10], "6.4E-01");  // Rmean, mm
}

// The header names each column with its unit; all eleven nuclides in mm, for positrons.
TEST(EmittersQueryTest, EveryNuclideIsListedWithItsFiguresInGPerCm2AndMm) {
    const std::string text = Output({"emitters", kWater});
    const std::vector<std::string> lines = BodyLines(text, 0);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_TRUE(lines[0].starts_with("Water, liquid (positrons, ")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("p_STC/Water liquid.stc), density 1 g/cm3")) << lines[0];
    for (const char* unit : {"per 100 decays", "MeV", "g/cm2", "mm"})
        EXPECT_NE(lines[2].find(unit), std::string::npos) << unit;
    const auto csv = CsvRows(Output({"emitters", kWater, "--format", "csv"}));
    ASSERT_EQ(csv.size(), 11u);
    const auto table = LoadMaterialTable(SourcePath("data/p_STC/Water liquid.stc"));
    for (std::size_t k = 0; k < csv.size(); ++k) {
        const Nuclide& n = BundledNuclides()[k];
        EXPECT_EQ(csv[k][0], n.name);
        EXPECT_EQ(lines[3 + k].substr(0, n.name.size()), n.name);
        const EmitterRanges r = *ComputeEmitterRanges(n, *table.value);
        const std::vector<double> expected = {n.halfLife,      n.PositronsPer100Decays(),
                                              r.endpointMeV,   r.meanEnergyMeV,
                                              r.rMax,          r.rMean,
                                              r.meanCsdaRange, r.rMax * 10,
                                              r.rMean * 10,    r.meanCsdaRange * 10};
        for (std::size_t c = 0; c < expected.size(); ++c)
            EXPECT_DOUBLE_EQ(std::stod(csv[k][c < 1 ? 1 : c + 2]), expected[c]) << n.name << c;
        EXPECT_EQ(csv[k][2], n.halfLifeUnit);
        EXPECT_EQ(csv[k].back(), "false");
        EXPECT_EQ(csv[k].size(), 13u);
    }
}

// Positron and electron tables differ; the figures must follow the tables' direction, energy by
// energy, not mix the two.
TEST(EmittersQueryTest, PositronAndElectronFiguresDifferInTheDirectionOfTheTables) {
    for (const char* file : {"Water liquid.stc", "Bone cortical (ICRP).stc", "Lung (ICRP).stc"}) {
        const auto positron = LoadMaterialTable(SourcePath("data/p_STC") / file);
        const auto electron = LoadMaterialTable(SourcePath("data/e_STC") / file);
        for (const Nuclide& n : BundledNuclides()) {
            const EmitterRanges p = *ComputeEmitterRanges(n, *positron.value);
            const EmitterRanges e = *ComputeEmitterRanges(n, *electron.value);
            const auto sign = [](double x) { return (x > 0) - (x < 0); };
            const auto tables = [&](double energy) {
                return sign(CsdaRangeAt(*positron.value, energy) -
                            CsdaRangeAt(*electron.value, energy));
            };
            EXPECT_EQ(sign(p.rMax - e.rMax), tables(n.HighestEndpointMeV())) << file << n.name;
            EXPECT_EQ(sign(p.rMean - e.rMean), tables(n.MeanEnergyMeV())) << file << n.name;
            EXPECT_NE(p.rMax, e.rMax);
            // Where the tables agree in direction over the whole spectrum, so does the mean.
            int direction = tables(0.01);
            for (double energy = 0.01; energy < n.HighestEndpointMeV(); energy *= 1.05)
                direction = tables(energy) == direction ? direction : 0;
            if (direction != 0) {
                EXPECT_EQ(sign(p.meanCsdaRange - e.meanCsdaRange), direction) << n.name;
            }
        }
    }
    const std::string electrons =
        Output({"emitters", kWater, "F-18", "--particle", "electron", "--format", "csv"});
    EXPECT_NE(electrons, Output({"emitters", kWater, "F-18", "--format", "csv"}));
}

TEST(EmittersQueryTest, NuclideNamesAreTakenAsPeopleWriteThem) {
    const std::string f18 = BodyLines(Output({"emitters", kWater, "F-18"}), 3).at(0);
    const std::vector<std::string> lines =
        BodyLines(Output({"emitters", kWater, "F-18", "18F", "F18", "f-18"}), 3);
    ASSERT_EQ(lines.size(), 4u);
    for (const std::string& line : lines)
        EXPECT_EQ(line, f18);
}

// The spectrum's rows: energies up to the endpoint, the spectrum integrating to the positrons
// per 100 decays, and the csda range at each energy as the energy query gives it.
TEST(EmittersQueryTest, SpectrumListsTheCsdaRangeAtEachEnergy) {
    for (const char* name : {"F-18", "Ga-68", "Rb-82"}) {
        const Nuclide& n = *FindNuclide(BundledNuclides(), name);
        const auto rows =
            NumberRows(Output({"emitters", kWater, name, "--spectrum", "--format", "csv"}), 1);
        ASSERT_GE(rows.size(), 50u);
        ASSERT_LE(rows.size(), 101u);
        EXPECT_EQ(rows.back()[0], n.HighestEndpointMeV());
        EXPECT_EQ(rows.back()[1], 0.0);
        double area = rows[0][0] * rows[0][1] / 2;  // from zero, where the spectrum vanishes
        for (std::size_t k = 1; k < rows.size(); ++k) {
            ASSERT_GT(rows[k][0], rows[k - 1][0]);
            ASSERT_GT(rows[k][2], rows[k - 1][2]);
            area += (rows[k][0] - rows[k - 1][0]) * (rows[k][1] + rows[k - 1][1]) / 2;
            if (k % 10 == 0) {
                const std::string at =
                    Output({"at", kWater, std::to_string(rows[k][0]), "--format", "csv"});
                EXPECT_NEAR(NumberRows(at, 1).at(0)[4], rows[k][2], 1e-12 * rows[k][2]);
            }
            EXPECT_DOUBLE_EQ(rows[k][3], rows[k][2] * 10);
        }
        EXPECT_NEAR(area, n.PositronsPer100Decays(), 0.01 * n.PositronsPer100Decays()) << name;
    }
}

TEST(EmittersQueryTest, ShareBeyondAThicknessTakesItsUnit) {
    const auto share = [](const std::string& thickness, const std::string& material) {
        const auto rows = CsvRows(
            Output({"emitters", material, "Ga-68", "--beyond", thickness, "--format", "csv"}));
        return std::stod(rows.at(0).at(12));
    };
    const double mm = share("1mm", kWater);
    EXPECT_DOUBLE_EQ(share("0.1g/cm2", kWater), mm);
    EXPECT_DOUBLE_EQ(share("0.1cm", kWater), mm);
    EXPECT_DOUBLE_EQ(share("1 mm", kWater), mm);
    EXPECT_GT(mm, share("2mm", kWater));
    EXPECT_GT(mm, 50.0);
    EXPECT_LT(mm, 100.0);
    // Bone is denser: fewer positrons pass 1 mm of it, as many as pass its 1 mm in g/cm2.
    const std::string bone = "bone cortical";
    EXPECT_LT(share("1mm", bone), mm);
    EXPECT_DOUBLE_EQ(share("0.185g/cm2", bone), share("1mm", bone));  // density 1.85 g/cm3
    const std::string text = Output({"emitters", kWater, "Ga-68", "--beyond", "1mm"});
    EXPECT_NE(text.find("upper bound"), std::string::npos);
    EXPECT_NE(text.find("not a depth"), std::string::npos);
}

TEST(EmittersQueryTest, UserNuclidesAreAddedOrReplaceAndAMalformedListIsReported) {
    const fs::path folder = fs::temp_directory_path() / "velmora-emitters-query-test";
    fs::remove_all(folder);
    fs::create_directories(folder / "emitters");
    const QueryEnvironment env{SourcePath("data"), folder, {}};
    const auto write = [&](const std::string& lines) {
        std::ofstream(folder / "emitters" / "positron_emitters.csv")
            << std::string(kNuclideListHeader) << "\n"
            << lines;
    };
    write("F-18,8,18,109.7,min,700,280,90\nTb-152,64,152,17.5,h,2620,1140,20.3\n");
    QueryRun run = Query({"emitters", kWater}, "", env);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\nF-18 *  "), std::string::npos);
    EXPECT_NE(run.out.find("\nTb-152 *  "), std::string::npos);
    EXPECT_NE(run.out.find("* from your nuclide list " +
                           (folder / "emitters" / "positron_emitters.csv").string()),
              std::string::npos);
    EXPECT_EQ(BodyLines(run.out, 3).size(), 13u);  // 12 nuclides and the note
    const auto f18 = CsvRows(Output({"emitters", kWater, "f18", "--format", "csv"}, "", env));
    EXPECT_EQ(f18.at(0).at(4), "0.7");
    EXPECT_EQ(f18.at(0).at(12), "true");

    write("Tb-152,64,152,17.5,h,2620,1140,20.3\nF-18,8,18,109.7,min,700,280\n");
    run = Query({"emitters", kWater}, "", env);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "velmora-query: The nuclide list " +
                           (folder / "emitters" / "positron_emitters.csv").string() +
                           ", line 3, was not read: the line has 7 fields instead of 8. The "
                           "bundled nuclides are used.\n");
    EXPECT_EQ(run.out, Output({"emitters", kWater}));
    run = Query({"emitters", kWater, "Tb-152"}, "", env);
    EXPECT_EQ(run.status, kExitRefusedValue);
    EXPECT_NE(run.err.find("(your nuclide list was not read)"), std::string::npos);
    fs::remove_all(folder);
}

TEST(EmittersQueryTest, RefusalsWriteOneLineAndNothingElse) {
    const fs::path folder = fs::temp_directory_path() / "velmora-emitters-refusal-test";
    fs::remove_all(folder);
    fs::create_directories(folder / "p_STC");
    // Water with a csda range that stops rising at row 40, and water whose table ends at 0.7 MeV.
    const std::vector<std::string> water =
        BodyLines(FileBytes(SourcePath("data/p_STC/Water liquid.stc")), 0);
    const auto writeTable = [&](const std::string& name, double energyScale, int flatRow) {
        std::ofstream file(folder / "p_STC" / (name + ".stc"));
        for (std::size_t k = 0; k < water.size(); ++k) {
            if (k < 10) {
                file << (k == 0 ? name : water[k]) << "\n";
                continue;
            }
            std::istringstream fields(water[k]), before(water[k - 1]);
            double e, a, b, c, r, previous[5];
            fields >> e >> a >> b >> c >> r;
            for (double& value : previous)
                before >> value;
            const bool flat = static_cast<int>(k) - 10 + 1 == flatRow;
            file << "   " << e * energyScale << " " << a << " " << b << " " << c << " "
                 << (flat ? previous[4] : r) << "\n";
        }
    };
    writeTable("Flat", 1.0, 40);
    writeTable("Short", 7e-4, 0);
    struct Case {
        Args args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"emitters"}, kExitUsage, "a material is needed"},
        {{"emitters", kWater, "--spectrum"}, kExitUsage, "--spectrum needs one nuclide"},
        {{"emitters", kWater, "F-18", "C-11", "--spectrum"}, kExitUsage, "one nuclide"},
        {{"emitters", kWater, "F-18", "--spectrum", "--beyond", "1mm"}, kExitUsage, "together"},
        {{"emitters", kWater, "--format", "window-csv"}, kExitUsage, "not one of text, csv"},
        {{"emitters", kWater, "--linear"}, kExitUsage, "--linear does not apply"},
        {{"emitters", kWater, "--elements"}, kExitUsage, "unknown option '--elements'"},
        {{"emitters", kWater, "--digits", "0"}, kExitUsage, "--digits"},
        {{"emitters", kWater, "--particle", "proton"}, kExitUsage, "--particle"},
        {{"emitters", kWater, "--beyond"}, kExitUsage, "--beyond needs a value"},
        {{"emitters", kWater, "--spectrum=yes", "F-18"}, kExitUsage, "takes no value"},
        {{"emitters", kWater, "F-18", "Xx-99"},
         kExitRefusedValue,
         "no nuclide \"Xx-99\" among C-11, N-13"},
        {{"emitters", kWater, "--beyond", "1"}, kExitRefusedValue, "with its unit"},
        {{"emitters", kWater, "--beyond", "1 inch"}, kExitRefusedValue, "with its unit"},
        {{"emitters", kWater, "--beyond", "mm"}, kExitRefusedValue, "with its unit"},
        {{"emitters", kWater, "--beyond", "0mm"}, kExitRefusedValue, "is not positive"},
        {{"emitters", kWater, "--beyond=-1g/cm2"}, kExitRefusedValue, "is not positive"},
        {{"emitters", "no such material"}, kExitNoMaterial, "no material"},
        {{"emitters", "flat", "--data-dir", folder.string()},
         kExitMaterialFile,
         "the csda range of row 40 is not greater"},
        {{"emitters", "short", "--data-dir", folder.string()},
         kExitMaterialFile,
         "ends at 0.7 MeV, below the endpoint of C-11"},
        {{"emitters", kWater, "--data-dir", folder.string()}, kExitNoMaterial, "no material"},
    };
    for (const Case& c : cases) {
        const QueryRun run = Query(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args) << run.err;
        EXPECT_EQ(run.out, "") << ::testing::PrintToString(c.args);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    // The short table still serves nuclides whose endpoints it reaches.
    Output({"emitters", "short", "F-18", "Na-22", "--data-dir", folder.string()});
    EXPECT_NE(Output({"emitters", kWater, "--help"}).find("--beyond THICKNESS"), std::string::npos);
    EXPECT_NE(Output({"--help"}).find("emitters MATERIAL [NUCLIDE...]"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace velmora::query::testing
