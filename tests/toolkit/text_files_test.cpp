// Text files: backslash paths, encodings of material files, and writes that never leave half a
// file.
#include <gtest/gtest.h>

#include <QFile>

#include "support/material_files.h"
#include "toolkit/text_files.h"

namespace velmora::testing {
namespace {

TEST(TextFilesTest, BackslashPathsOpenRelativeToTheWorkingFolderAndAreDecodedToUtf8) {
    const WorkingFolder folder;
    WriteRawFile("p_QRV", "Fe.qrv", "Iron\r\n");
    const TextFileContents contents = ReadTextFile("p_QRV\\Fe.qrv");
    EXPECT_EQ(contents.text.value_or("<none>"), "Iron\r\n") << contents.error.toStdString();
    const TextFileContents missing = ReadTextFile("p_QRV\\none.qrv");
    EXPECT_TRUE(!missing.text && !missing.error.isEmpty());
    EXPECT_EQ(DecodeToUtf8("\xEF\xBB\xBFWater\r\n"), "Water\r\n");
    EXPECT_EQ(DecodeToUtf8("\xE6\xB0\xB4"), "\xE6\xB0\xB4");          // already UTF-8: 水
    EXPECT_EQ(DecodeToUtf8("\x90\x85 water"), "\xE6\xB0\xB4 water");  // 水 in Shift_JIS
}

TEST(TextFilesTest, AtomicWriteReplacesOnlyWhenCompleteAndFailuresLeaveNothing) {
    const WorkingFolder folder;
    WriteRawFile(".", "out.csv", "old contents");
    EXPECT_TRUE(WriteFileAtomically("out.csv", "new contents\r\n").isEmpty());
    QFile out("out.csv");
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), "new contents\r\n");
    // A missing folder, or a folder where the file should be: the write fails and nothing changes.
    EXPECT_FALSE(WriteFileAtomically("gone/out.csv", "x").isEmpty());
    QDir().mkdir("taken.csv");
    EXPECT_FALSE(WriteFileAtomically("taken.csv", "x").isEmpty());
    EXPECT_TRUE(QFileInfo("taken.csv").isDir());
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"out.csv"});
}

}  // namespace
}  // namespace velmora::testing
