// The working folder: the current folder when it holds tables, otherwise the user's own copy.
#include <gtest/gtest.h>

#include <QFile>

#include "app/data_folder.h"
#include "support/material_files.h"

namespace velmora::testing {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DataFolderTest : public ::testing::Test {
  protected:
    DataFolderTest() {
        WriteRawFile(bundled + "/p_QRV", "001 Hydrogen.qrv", "bundled H");
        WriteRawFile(bundled + "/p_STC", "Water.stc", "bundled water");
    }
    WorkingFolder folder;  // also where the program was started
    const QString start = QDir::currentPath(), bundled = start + "/share/velmora/data",
                  user = start + "/home/.local/share/velmora";
};

TEST_F(DataFolderTest, CurrentFolderWithTablesIsKept) {
    QDir().mkdir("p_STC");
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), start);
    EXPECT_FALSE(QDir(user).exists());
}

TEST_F(DataFolderTest, StartFromAMenuCopiesTheTablesOnceAndWorksInTheUserFolder) {
    EXPECT_EQ(ChooseWorkingFolder({QString(), start + "/nothing", bundled}, user), user);
    EXPECT_EQ(QDir::currentPath(), user);
    EXPECT_EQ(ReadFile(user + "/p_QRV/001 Hydrogen.qrv"), "bundled H");
    EXPECT_EQ(ReadFile(user + "/p_STC/Water.stc"), "bundled water");
    // A user's own material and a changed table survive the next start.
    WriteRawFile(user + "/p_STC", "Mine.stc", "mine");
    WriteRawFile(user + "/p_STC", "Water.stc", "edited");
    QDir::setCurrent(start);
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), user);
    EXPECT_EQ(ReadFile(user + "/p_STC/Mine.stc") + ReadFile(user + "/p_STC/Water.stc"),
              "mineedited");
}

TEST_F(DataFolderTest, UnwritableUserFolderFallsBackToTheBundledTables) {
    WriteRawFile(start, "blocked", "a file where the user folder should be");
    EXPECT_EQ(ChooseWorkingFolder({bundled}, start + "/blocked/velmora"), bundled);
}

}  // namespace
}  // namespace velmora::testing
