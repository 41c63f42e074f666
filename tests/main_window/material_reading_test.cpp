// The main window reads material files as the command line does: one decoding for every file,
// damaged ones included, and one refusal of a table whose csda range does not rise.
#include <filesystem>

#include "core/material_reading.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

using WindowMaterialReadingTest = ProgramTest;

void Choose(FileListBox& list, const QString& fileName) {
    const auto matches = list.findItems(fileName, Qt::MatchExactly);
    ASSERT_EQ(matches.size(), 1) << fileName.toStdString();
    list.setCurrentRow(list.row(matches.first()));
}

// Names in code page 932, whole or damaged: the name box shows what the core's reader gives, the
// name velmora-query prints. (Qt's Shift_JIS decoder dropped a first byte of a pair at the end of
// a file and swapped the control bytes 1A, 1C and 7F.)
TEST_F(WindowMaterialReadingTest, NamesShowAsEveryReaderDecodesThem) {
    const struct {
        const char* file;
        std::string name, after, shown;
    } files[] = {
        {"Iron.qrv", "\x93\x53 Iron", "", "鉄 Iron"},
        {"Cut.qrv", "\x93\x53 Iron", "\x81", "\xC2\x93S Iron"},  // Latin-1 as a whole
        {"Control.qrv", "\x93\x53\x1A", "", "鉄\x1A"},
    };
    for (const auto& f : files)
        WriteRawFile("p_QRV", f.file, MaterialFileText(SmoothMaterial(f.name)) + f.after);
    for (const auto& f : files) {
        Choose(*mainWindow().elementList, f.file);
        EXPECT_EQ(mainWindow().materialNameBox->Text().toStdString(), f.shown) << f.file;
        EXPECT_EQ(ReadMaterialName(std::filesystem::path("p_QRV") / f.file), f.shown);
        mainWindow().okButton->click();
        EXPECT_EQ(SharedMaterialTable().MaterialName, f.shown);
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

// A csda range that does not rise from one row to the next: OK refuses the file naming it and the
// row, and the table loaded before stays.
TEST_F(WindowMaterialReadingTest, ATableWhoseRangeDoesNotRiseIsRefusedAtItsRow) {
    WriteMaterialFile("p_QRV", "Good.qrv", SmoothMaterial("GOOD"));
    TestMaterial flat = SmoothMaterial("FLAT");
    flat.range[31] = flat.range[30];
    WriteMaterialFile("p_QRV", "Flat.qrv", flat);
    Choose(*mainWindow().elementList, "Good.qrv");
    mainWindow().okButton->click();
    const MaterialTable before = SharedMaterialTable();
    Choose(*mainWindow().elementList, "Flat.qrv");
    mainWindow().okButton->click();
    ExpectMessage(
        "\"p_QRV\\Flat.qrv\", line 41: the csda range of row 31 is not greater than the csda range "
        "of the row before.");
    EXPECT_EQ(SharedMaterialTable().CsdaRange, before.CsdaRange);
    EXPECT_EQ(mainWindow().tableList->ListCount(), 81);
}

}  // namespace
}  // namespace velmora::testing
