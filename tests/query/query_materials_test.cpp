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
    const std::string json = Output({"materials", "--format", "json"});
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

// The value of "key": "..." in a line of JSON output (no escaped quotes in the values used).
std::string JsonValue(const std::string& line, const std::string& key) {
    const std::size_t start = line.find("\"" + key + "\": \"");
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + key.size() + 5;
    return line.substr(from, line.find('"', from) - from);
}

// Every listed name is accepted by `at` and means its own file, slashes in names included; an
// element's chemical symbol, capitals as in the symbol, means that element.
TEST(QueryMaterialsTest, EveryListedNameAndEverySymbolFindsItsTable) {
    std::size_t names = 0;
    for (const char* particle : {"positron", "electron"}) {
        const Args particleOption = {"--particle", particle, "--format", "json"};
        Args list = {"materials"};
        list.insert(list.end(), particleOption.begin(), particleOption.end());
        for (const std::string& line : BodyLines(Output(list), 0)) {
            const std::string file = JsonValue(line, "file"), name = JsonValue(line, "name");
            if (file.empty())
                continue;
            ++names;
            Args at = {"at", name, "1"};
            at.insert(at.end(), particleOption.begin(), particleOption.end());
            EXPECT_EQ(JsonValue(Output(at), "file"), file) << name;
        }
    }
    EXPECT_EQ(names, 2 * 279u);
    std::istringstream elements(FileBytes(SourcePath("data/reference/elements.csv")));
    std::string line;
    std::getline(elements, line);
    for (int z = 1; z <= 98 && std::getline(elements, line); ++z) {
        const std::string symbol =
            line.substr(line.find(',') + 1, line.find(',', 3) - line.find(',') - 1);
        char number[8];
        std::snprintf(number, sizeof number, "%03d ", z);
        const std::string file = JsonValue(Output({"at", symbol, "1", "--format", "json"}), "file");
        EXPECT_NE(file.find(std::string("/p_QRV/") + number), std::string::npos) << symbol;
    }
    EXPECT_EQ(Query({"at", "w", "1"}).status, kExitNoMaterial);  // a name, as before: ambiguous
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

// The particle is the one the file's second line names, else its folder's, else the one asked for;
// a --particle that the file contradicts is refused, naming both.
TEST_F(MaterialFolders, OutputsNameTheParticleTheFileHolds) {
    Copy("e_STC/Water liquid.stc", "work/tables/water");  // a path without extension
    Copy("p_STC/Water liquid.stc", "work/e_STC/Water liquid.stc");
    std::string unlabelled = FileBytes(SourcePath("data/p_STC/Water liquid.stc"));
    unlabelled.replace(unlabelled.find("Positrons"), 9, "Tabulated");
    fs::create_directories(root_ / "work/p_STC");
    std::ofstream(root_ / "work/p_STC/Plain.stc", std::ios::binary) << unlabelled;
    std::ofstream(root_ / "work/tables/plain.stc", std::ios::binary) << unlabelled;
    const QueryEnvironment work{root_ / "work", std::nullopt, {}};
    const struct {
        Args args;
        std::string particle;  // empty: refused
    } cases[] = {
        {{"tables/water"}, "electron"},
        {{"tables/water", "--particle", "electron"}, "electron"},
        {{"tables/water", "--particle", "positron"}, ""},
        {{"e_STC/Water liquid.stc"}, "positron"},
        {{"water, liquid", "--particle", "electron"}, ""},
        {{"p_STC/Plain.stc"}, "positron"},
        {{"p_STC/Plain.stc", "--particle", "electron"}, ""},
        {{"tables/plain.stc"}, "positron"},
        {{"tables/plain.stc", "--particle", "electron"}, "electron"},
    };
    for (const auto& c : cases) {
        Args json = {"at", "1", "--format", "json"}, text = {"at", "1"};
        json.insert(json.begin() + 1, c.args.begin(), c.args.end());
        text.insert(text.begin() + 1, c.args.begin(), c.args.end());
        const QueryRun run = Query(json, "", work);
        SCOPED_TRACE(::testing::PrintToString(c.args) + run.err);
        if (c.particle.empty()) {
            EXPECT_EQ(run.status, kExitUsage);
            const bool electron = c.args.back() == "electron";
            EXPECT_NE(run.err.find(std::string(electron ? "a positron" : "an electron") +
                                   " table, not " + (electron ? "an electron" : "a positron")),
                      std::string::npos);
            continue;
        }
        EXPECT_NE(run.out.find("\"particle\": \"" + c.particle + "\""), std::string::npos);
        EXPECT_NE(Output(text, "", work).find(" (" + c.particle + "s, "), std::string::npos);
    }
}

// A name not among the working folder's own tables is refused naming where it was looked for
// and how to reach the tables these hide.
TEST_F(MaterialFolders, AnUnknownNameTellsTheFoldersSearchedAndHidden) {
    Copy("p_STC/Water liquid.stc", "work/p_STC/Own water.stc", "Own water");
    const std::string data = SourcePath("data").string();
    const QueryEnvironment work{root_ / "work", std::nullopt, {data}};
    const QueryRun hidden = Query({"at", "kapton", "1"}, "", work);
    EXPECT_EQ(hidden.status, kExitNoMaterial);
    EXPECT_NE(hidden.err.find("no material \"kapton\" among the positron tables in " +
                              (root_ / "work").string() +
                              "; velmora-query materials lists them; these hide the tables in " +
                              data + ": --data-dir " + data + " searches there\n"),
              std::string::npos)
        << hidden.err;
    EXPECT_EQ(Csv({"at", "kapton", "1", "--data-dir", data}, work), Csv({"at", "kapton", "1"}));
    const QueryRun alone =
        Query({"at", "kapton", "1", "--data-dir", (root_ / "work").string()}, "", work);
    EXPECT_EQ(alone.err.find("hide"), std::string::npos) << alone.err;
}

TEST_F(MaterialFolders, ParticleElectronReadsTheElectronFolders) {
    Copy("p_STC/Water liquid.stc", "work/p_STC/Water liquid.stc");
    Copy("e_QRV/006 Carbon.qrv", "work/e_STC/Water liquid.stc", "Water, liquid");
    const QueryEnvironment work{root_ / "work", std::nullopt, {}};
    const std::string carbon = Csv({"at", "e_QRV/006 Carbon.qrv", "1"});
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
