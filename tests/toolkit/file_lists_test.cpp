// File, folder and drive lists over real folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "toolkit/dir_list_box.h"
#include "toolkit/drive_list_box.h"
#include "toolkit/file_list_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class FileListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QDir().mkdir(QStringLiteral("p_QRV"));
        for (const char* name : {"p_QRV/b.qrv", "p_QRV/A.QRV", "p_QRV/c.stc", "p_QRV/d.qrv.bak"}) {
            Touch(QString::fromLatin1(name));
        }
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QTemporaryDir folder;
    QString previous;
    Window window{QStringLiteral("test"), 6000, 6000};
};

TEST_F(FileListsTest, FileListShowsMatchingFilesSortedAndForgetsTheChoiceOnRefresh) {
    FileListBox list(&window, QStringLiteral("*.qrv"), 0, 0, 2000, 3000);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_TRUE(list.SetPath(QStringLiteral("p_QRV")));
    EXPECT_EQ(list.Path(), QDir(folder.path()).filePath(QStringLiteral("p_QRV")));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("A.QRV"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("b.qrv"));
    EXPECT_EQ(list.FileName(), QString());
    list.setCurrentRow(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.FileName(), QStringLiteral("b.qrv"));
    list.Refresh();
    EXPECT_EQ(list.FileName(), QString());
    EXPECT_EQ(clicks, 1);
}

TEST_F(FileListsTest, MissingFolderLeavesTheFileListEmpty) {
    FileListBox list(&window, QStringLiteral("*.stc"), 0, 0, 2000, 3000);
    EXPECT_FALSE(list.SetPath(QStringLiteral("p_STC")));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.FileName(), QString());
}

TEST_F(FileListsTest, FolderListRefusesWhatCannotBeOpenedAndReportsChanges) {
    DirListBox dirs(&window, 0, 0, 2000, 3000);
    int changes = 0;
    dirs.onChange = [&] { ++changes; };
    EXPECT_TRUE(dirs.SetPath(QStringLiteral("p_QRV")));
    EXPECT_EQ(changes, 1);
    const QString opened = dirs.Path();
    EXPECT_FALSE(dirs.SetPath(QStringLiteral("no such folder")));
    EXPECT_FALSE(dirs.SetPath(QStringLiteral("p_QRV/b.qrv")));
    EXPECT_EQ(dirs.Path(), opened);
    EXPECT_EQ(changes, 1);
}

TEST(DriveListTest, RootComesFirst) {
    const QStringList drives = MountedDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.front(), QStringLiteral("/"));
    EXPECT_EQ(drives.count(QStringLiteral("/")), 1);
}

}  // namespace
}  // namespace velmora
