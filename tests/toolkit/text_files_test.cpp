// Text files: writes that never leave half a file.
#include <gtest/gtest.h>

#include <QFile>

#include "support/material_files.h"
#include "toolkit/text_files.h"

namespace velmora::testing {
namespace {

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
