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
        WriteRawFile(bundled + "/e_QRV", "001 Hydrogen.qrv", "bundled electron H");
        WriteRawFile(bundled + "/e_STC", "Water.stc", "bundled electron water");
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

// A custom material (velmora-tablegen --with-electrons) may have started the user folder: it
// still gets the tables, never over a file.
TEST_F(DataFolderTest, StartFromAMenuFillsTheUserFolderOnceAndWorksThere) {
    WriteRawFile(user + "/p_STC", "Water.stc", "mine");
    WriteRawFile(user + "/e_STC", "Water.stc", "my electrons");
    EXPECT_EQ(ChooseWorkingFolder({QString(), start + "/nothing", bundled}, user), user);
    EXPECT_EQ(QDir::currentPath(), user);
    EXPECT_EQ(ReadFile(user + "/p_QRV/001 Hydrogen.qrv"), "bundled H");
    EXPECT_EQ(ReadFile(user + "/p_STC/Water.stc"), "mine");
    EXPECT_EQ(ReadFile(user + "/e_QRV/001 Hydrogen.qrv"), "bundled electron H");
    EXPECT_EQ(ReadFile(user + "/e_STC/Water.stc"), "my electrons");
    // Tables the user deleted stay deleted at the next start.
    ASSERT_TRUE(QFile::remove(user + "/p_QRV/001 Hydrogen.qrv"));
    ASSERT_TRUE(QFile::remove(user + "/e_QRV/001 Hydrogen.qrv"));
    QDir::setCurrent(start);
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), user);
    EXPECT_FALSE(QFile::exists(user + "/p_QRV/001 Hydrogen.qrv"));
    EXPECT_FALSE(QFile::exists(user + "/e_QRV/001 Hydrogen.qrv"));
}

// A folder filled by a version without electron tables gains them at the next start; a bundled
// folder without them leaves no empty electron folders that would later count as filled.
TEST_F(DataFolderTest, ElectronTablesAreAddedToAFolderOfAnEarlierVersion) {
    WriteRawFile(user + "/p_QRV", "001 Hydrogen.qrv", "earlier H");
    WriteRawFile(user + "/p_STC", "Mine.stc", "mine");
    const QString withoutElectrons = start + "/older";
    WriteRawFile(withoutElectrons + "/p_QRV", "001 Hydrogen.qrv", "bundled H");
    EXPECT_EQ(ChooseWorkingFolder({withoutElectrons}, user), user);
    EXPECT_FALSE(QDir(user).exists("e_QRV") || QDir(user).exists("e_STC"));
    QDir::setCurrent(start);
    EXPECT_EQ(ChooseWorkingFolder({bundled}, user), user);
    EXPECT_EQ(ReadFile(user + "/e_QRV/001 Hydrogen.qrv"), "bundled electron H");
    EXPECT_EQ(ReadFile(user + "/e_STC/Water.stc"), "bundled electron water");
    EXPECT_EQ(ReadFile(user + "/p_QRV/001 Hydrogen.qrv"), "earlier H");
    EXPECT_FALSE(QFile::exists(user + "/p_STC/Water.stc"));  // the material folders were complete
}

TEST_F(DataFolderTest, UnwritableUserFolderFallsBackToTheBundledTables) {
    WriteRawFile(start, "blocked", "a file where the user folder should be");
    EXPECT_EQ(ChooseWorkingFolder({bundled}, start + "/blocked/velmora"), bundled);
}

}  // namespace
}  // namespace velmora::testing
