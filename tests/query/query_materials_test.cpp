// Which material a command line means: the listing, the forms of a name, the folders searched
// and the electron tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include "query/query_error.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(QueryMaterialsTest, ListsEveryMaterialWithItsHeadValues) {
    const std::string all = Output({"materials"}), elements = Output({"materials", "--elements"});
    const std::string compounds = Output({"materials", "--compounds", "--format", "csv"});
    const std::string json = Output({"materials", "--elements", "--compounds", "--format", "json"});
    EXPECT_EQ(LineCount(all), 2 + 98 + 181u);
    EXPECT_EQ(LineCount(elements), 2 + 98u);
    EXPECT_EQ(LineCount(compounds), 1 + 181u);
    EXPECT_EQ(LineCount(json), 5 + 98 + 181u);
    const std::string data = SourcePath("data").string();
    EXPECT_NE(all.find(data + "/p_QRV/001 Hydrogen.qrv "), std::string::npos);
    EXPECT_NE(all.find("0.000083748   19.2\n"), std::string::npos);  // plain, not 0.000
    EXPECT_NE(compounds.find(data + "/p_STC/Water liquid.stc,\"Water, liquid\",compound,1,75\n"),
              std::string::npos);
    EXPECT_NE(json.find("\"name\": \"Water, liquid\", \"kind\": \"compound\", \"density\": 1, "
                        "\"mean_excitation_energy\": 75}"),
              std::string::npos);
    EXPECT_LT(all.find("Zinc"), all.find("1,2-Dichlorobenzene"));  // elements first
}

TEST(QueryMaterialsTest, EveryFormOfANameFindsTheSameTable) {
    const std::string expected = Output({"at", "Water, liquid", "1", "--format", "csv"});
    ASSERT_FALSE(expected.empty());
    for (const std::string& name : std::vector<std::string>{
             "water, liquid", "WATER LIQUID", "water liquid.stc", "p_STC/Water liquid.stc",
             SourcePath("data/p_STC/Water liquid.stc").string(), "Water l"}) {
        EXPECT_EQ(Output({"at", name, "1", "--format", "csv"}), expected) << name;
    }
    EXPECT_NE(Output({"at", "kapton", "1"}).find("Kapton polyimide film (positrons, "),
              std::string::npos);
    EXPECT_NE(Output({"show", "polyimide"}).find("Density 1.42 g/cm3, mean excitation energy 79.6"),
              std::string::npos);
}

// A scratch folder with material folders made of copies of bundled tables under other names.
class MaterialFolders : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove_all(root_); }
    // Copies a bundled table to root/target, with line 1 replaced by name when one is given.
    void Copy(const std::string& bundled, const std::string& target, const std::string& name = "") {
        std::string text = FileBytes(SourcePath("data") / bundled);
        if (!name.empty())
            text.replace(0, text.find('\r'), name);
        fs::create_directories((root_ / target).parent_path());
        std::ofstream(root_ / target, std::ios::binary) << text;
    }
    static std::string Csv(Args args, const QueryEnvironment& environment = DataEnvironment()) {
        args.insert(args.end(), {"--format", "csv"});
        return Output(args, "", environment);
    }
    const fs::path root_ = fs::temp_directory_path() /
                           ("velmora-query-folders-" + std::to_string(getpid()) + "-" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(MaterialFolders, ParticleElectronReadsTheElectronFolders) {
    Copy("p_STC/Water liquid.stc", "work/p_STC/Water liquid.stc");
    Copy("p_QRV/006 Carbon.qrv", "work/e_STC/Water liquid.stc", "Water, liquid");
    const QueryEnvironment work{root_ / "work", std::nullopt, {}};
    const std::string carbon = Csv({"at", "p_QRV/006 Carbon.qrv", "1"});
    EXPECT_EQ(Csv({"at", "water, liquid", "1"}, work), Csv({"at", "water, liquid", "1"}));
    EXPECT_EQ(Csv({"at", "water, liquid", "1", "--particle", "electron"}, work), carbon);
    EXPECT_EQ(Csv({"at", "e_STC/Water liquid.stc", "1", "--particle=electron"}, work), carbon);
    const std::string list =
        Output({"materials", "--particle", "electron", "--format", "json"}, "", work);
    EXPECT_NE(list.find("\"particle\": \"electron\""), std::string::npos);
    EXPECT_EQ(LineCount(list), 6u);
    EXPECT_NE(Output({"at", "e_STC/Water liquid.stc", "1", "--format", "json"}, "", work)
                  .find("\"particle\": \"electron\""),
              std::string::npos);
    EXPECT_TRUE(Output({"show", "water, liquid", "--particle", "electron"}, "", work)
                    .starts_with("Water, liquid (electrons, "));
    // Positron tables without electron tables beside them: no electron tables at all.
    fs::remove_all(root_ / "work/e_STC");
    const QueryRun none = Query({"at", "water, liquid", "1", "--particle", "electron"}, "", work);
    EXPECT_EQ(none.status, kExitNoMaterial);
    EXPECT_NE(none.err.find("no electron tables beside the positron tables in"), std::string::npos);
}

}  // namespace
}  // namespace velmora::query
