// File and folder lists over real folders.
#include <gtest/gtest.h>

#include "support/material_files.h"
#include "toolkit/dir_list_box.h"
#include "toolkit/file_list_box.h"
#include "toolkit/window.h"

namespace velmora::testing {
namespace {

class FileListsTest : public ::testing::Test {
  protected:
    FileListsTest() {
        for (const char* name : {"B.qrv", "a.QRV", "c.stc", "d.qrv.bak"}) {
            WriteRawFile("p_QRV", name, "");
        }
    }
    WorkingFolder folder;
    Window window{QStringLiteral("test"), 6000, 6000};
};

TEST_F(FileListsTest, FileListShowsMatchingFilesSortedAndForgetsTheChoiceOnRefresh) {
    FileListBox list(&window, QStringLiteral("*.qrv"), 0, 0, 2000, 3000);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_TRUE(list.SetPath("p_QRV"));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text() + list.item(1)->text(), "a.QRVB.qrv");  // any case
    list.setCurrentRow(1);
    EXPECT_EQ(list.FileName(), "B.qrv");
    list.Refresh();
    EXPECT_TRUE(list.FileName().isEmpty());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(list.SetPath("p_STC"));  // a missing folder leaves the list empty
    EXPECT_EQ(list.count(), 0);
}

TEST_F(FileListsTest, FolderListRefusesWhatCannotBeOpenedAndReportsChanges) {
    DirListBox dirs(&window, 0, 0, 2000, 3000);
    int changes = 0;
    dirs.onChange = [&] { ++changes; };
    EXPECT_TRUE(dirs.SetPath("p_QRV"));
    const QString opened = dirs.Path();
    EXPECT_FALSE(dirs.SetPath("no such folder"));
    EXPECT_FALSE(dirs.SetPath("p_QRV/B.qrv"));
    EXPECT_EQ(dirs.Path(), opened);
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace velmora::testing
