// Which tables the command line reads when the user's folder holds a file of the same name as a
// bundled one: the user's, listed once, for positrons and electrons; and which folders count.
#include <gtest/gtest.h>
#include <unistd.h>

#include "query/query_error.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;

class QueryCatalogueTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove_all(root_); }
    // Copies a bundled positron table to root/target under the name "Water, liquid", as an
    // electron table when it goes into an electron folder.
    void Copy(const std::string& bundled, const std::string& target) {
        std::string text = FileBytes(SourcePath("data") / bundled);
        text.replace(0, text.find('\r'), "Water, liquid");
        if (target.find("/e_") != std::string::npos)
            text.replace(text.find("Positrons"), 9, "Electrons");
        fs::create_directories((root_ / target).parent_path());
        std::ofstream(root_ / target, std::ios::binary) << text;
    }
    QueryEnvironment Environment(std::vector<fs::path> bundled) const {
        return {root_ / "work", root_ / "user", std::move(bundled)};
    }
    static std::vector<std::string> Lines(const Args& args, const QueryEnvironment& environment) {
        Args csv = args;
        csv.insert(csv.end(), {"--format", "csv"});
        return BodyLines(Output(csv, "", environment), 0);
    }
    const fs::path root_ = fs::temp_directory_path() /
                           ("velmora-query-catalogue-" + std::to_string(getpid()) + "-" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(QueryCatalogueTest, TheUsersFileOfABundledNameIsTheOneListedAndRead) {
    Copy("p_QRV/082 Lead.qrv", "user/p_STC/Water liquid.stc");
    Copy("p_QRV/006 Carbon.qrv", "user/e_STC/Water liquid.stc");
    Copy("p_QRV/013 Aluminum.qrv", "other/p_STC/Other.stc");
    fs::create_directories(root_ / "work");
    const fs::path data = SourcePath("data"), user = root_ / "user";
    const QueryEnvironment both = Environment({root_ / "missing", "", data, root_ / "other"});
    const auto water = [&](const char* particle) {
        return Lines({"at", "water, liquid", "1", "--particle", particle}, both);
    };
    EXPECT_EQ(water("positron"), Lines({"at", (data / "p_QRV/082 Lead.qrv").string(), "1"}, both));
    EXPECT_EQ(water("electron"),
              Lines({"at", (data / "p_QRV/006 Carbon.qrv").string(), "1"}, both));
    for (const char* particle : {"positron", "electron"}) {
        SCOPED_TRACE(particle);
        const std::vector<std::string> listed =
            Lines({"materials", "--compounds", "--particle", particle}, both);
        EXPECT_EQ(listed.size(), 1 + 181u);  // the bundled compounds, water once
        const std::string folder = particle[0] == 'p' ? "/p_STC/" : "/e_STC/";
        const auto row = std::find_if(listed.begin(), listed.end(), [](const std::string& line) {
            return line.find(",\"Water, liquid\",") != std::string::npos;
        });
        ASSERT_NE(row, listed.end());
        EXPECT_EQ(row->substr(0, row->find(',')), (user.string() + folder + "Water liquid.stc"));
        EXPECT_EQ(row->substr(row->rfind(',', row->rfind(',') - 1)),
                  particle[0] == 'p' ? ",11.35,823" : ",2,81");
    }
    EXPECT_EQ(Lines({"materials"}, both).size(), 1 + 98 + 181u);
    EXPECT_EQ(Lines({"materials", "--data-dir", data}, both).size(), 1 + 98 + 181u);
    // Only the first bundled folder that holds tables counts, and the installed one comes first.
    EXPECT_EQ(Lines({"materials"}, Environment({root_ / "other", data})).size(), 1 + 2u);
    // A user's folder holding both folders stands alone; a working folder with tables wins.
    fs::create_directories(user / "p_QRV");
    EXPECT_EQ(Lines({"materials"}, both).size(), 1 + 1u);
    EXPECT_EQ(Query({"at", "lead", "1"}, "", both).status, kExitNoMaterial);
    Copy("p_QRV/006 Carbon.qrv", "work/p_QRV/Own.qrv");
    EXPECT_EQ(Lines({"materials"}, both),
              (std::vector<std::string>{
                  "File,Name,Kind,Density (g/cm3),Mean excitation energy (eV)",
                  (root_ / "work/p_QRV/Own.qrv").string() + ",\"Water, liquid\",element,2,81"}));
}

}  // namespace
}  // namespace velmora::query
