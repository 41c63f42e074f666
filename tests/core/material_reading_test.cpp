// Tests of reading material files from disk: decoding, the name on line 1 and whole tables.
#include "core/material_reading.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(MaterialReadingTest, DecodesUtf8AsItIsElseCodePage932ElseLatin1) {
    const struct {
        std::string bytes, text;
    } cases[] = {
        {"Water, liquid", "Water, liquid"},
        {"\xEF\xBB\xBFWasser \xC3\xA4", "Wasser ä"},   // UTF-8, byte order mark dropped
        {"\x93\x53 Iron \x90\x85", "鉄 Iron 水"},      // Shift_JIS (trail byte 'S')
        {"\x87\x40", "①"},                             // a Windows-only character
        {"caf\xE9", "café"},                           // neither: Latin-1
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},  // a UTF-16 surrogate is no UTF-8
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeMaterialBytes(c.bytes), c.text) << c.bytes;
}

class MaterialFilesOnDiskTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return folder_ / name;
    }
    // A complete table: energies 0.01..1000 MeV, every value a short decimal.
    static std::string TableText(const std::string& name) {
        std::string text = name + "\r\n\r\n\r\n 1.0  75.0\r\n";
        for (int k = 5; k <= 10; ++k)
            text += "head\r\n";
        for (int row = 1; row <= 81; ++row) {
            char line[96];
            const double e = std::pow(10.0, (row - 1) / 16.0 - 2);
            std::snprintf(line, sizeof line, "   %.3E 2.000E+0 1.000E-2 2.010E+0 %.3E\r\n", e, e);
            text += line;
        }
        return text;
    }
    const fs::path folder_ = fs::temp_directory_path() /
                             ("velmora-reading-" + std::to_string(getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(MaterialFilesOnDiskTest, NamesAreLineOneAsTheWindowsDecodeIt) {
    EXPECT_EQ(ReadMaterialName(Write("a.stc", TableText("Water, liquid"))), "Water, liquid");
    EXPECT_EQ(ReadMaterialName(Write("b.stc", "\xEF\xBB\xBFName\nrest \xFF")), "Name");
    // Not plain ASCII: the whole file decides the encoding.
    EXPECT_EQ(ReadMaterialName(Write("c.stc", "\x93\x53\r\n\x90\x85")), "鉄");
    EXPECT_EQ(ReadMaterialName(Write("d.stc", "\xC3\xA4\r\n\x90\x85")), "ﾃ､");  // 932, as a whole
    EXPECT_EQ(ReadMaterialName(Write("e.stc", std::string(5000, 'x') + "\n")),
              std::string(5000, 'x'));
    EXPECT_EQ(ReadMaterialName(Write("f.stc", "")), "");
    EXPECT_EQ(ReadMaterialName(folder_ / "missing.stc"), std::nullopt);
}

TEST_F(MaterialFilesOnDiskTest, TablesLoadWholeOrAreRefusedWithTheReadersMessage) {
    const ParseResult<MaterialTable> table = LoadMaterialTable(Write("ok.stc", TableText("Ok")));
    ASSERT_TRUE(table) << table.error.Message();
    EXPECT_EQ(table.value->DataFilePath, (folder_ / "ok.stc").string());
    EXPECT_EQ(table.value->MaterialName, "Ok");
    EXPECT_EQ(table.value->EnergyMeV[81], 1000.0);
    EXPECT_EQ(table.value->TableLines[1], "1.000E-02 2.000E+0 1.000E-2 2.010E+0 1.000E-");
    std::string broken = TableText("Broken");
    broken.replace(broken.find("2.000E+0"), 8, "2.000E+X");
    const std::string path = folder_.string();
    const struct {
        fs::path file;
        std::string message;
    } refusals[] = {
        {Write("broken.stc", broken),
         "\"" + path +
             "/broken.stc\", line 11: \"2.000E+X\" is not a number where the "
             "collision stopping power of row 1 belongs."},
        {folder_ / "missing.stc",
         "\"" + path + "/missing.stc\": the file cannot be read (No such file or directory)."},
        {folder_, "\"" + path + "\": the file cannot be read (it is a folder)."},
        {Write("huge.stc", std::string(kMaxMaterialFileBytes + 1, ' ')),
         "\"" + path +
             "/huge.stc\": the file cannot be read (the file is too large to be a "
             "material table)."},
    };
    for (const auto& r : refusals) {
        const ParseResult<MaterialTable> result = LoadMaterialTable(r.file);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error.Message(), r.message);
    }
    EXPECT_EQ(ReadMaterialHead(folder_ / "broken.stc").value->name, "Broken");
}

}  // namespace
}  // namespace velmora
