// List boxes, file and folder lists: every user selection, also of the chosen row, and every
// selection from code runs the click handler before it returns; taking the focus runs nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "support/material_files.h"
#include "support/user_input.h"
#include "toolkit/dir_list_box.h"
#include "toolkit/drive_list_box.h"
#include "toolkit/file_list_box.h"
#include "toolkit/window.h"

namespace velmora::testing {
namespace {

class ListBoxTest : public ::testing::Test {
  protected:
    ListBoxTest() {
        for (const char* name : {"B.csv", "a.CSV", "c.csv"}) {
            WriteRawFile("files", name, "");
            rows.AddItem(QString::fromLatin1(name));
        }
        WriteRawFile("files", "d.csv.bak", "");
        WriteRawFile("files", "e.txt", "");
        EXPECT_TRUE(files.SetPath("files"));
        for (ListBox* list : lists)
            list->onClick = [this, list] { seen.push_back(list->ListIndex()); };
        window.Show();
    }
    WorkingFolder folder;
    Window window{QStringLiteral("test"), 6000, 3000};
    ListBox rows{&window, 0, 0, 2000, 2000};
    FileListBox files{&window, QStringLiteral("*.csv"), 3000, 0, 2000, 2000};
    ListBox* const lists[2] = {&rows, &files};
    std::vector<int> seen;  // the selection each click saw
};

TEST_F(ListBoxTest, MouseClicksOnANewOrTheChosenRowBothClick) {
    for (ListBox* list : lists) {
        seen.clear();
        ClickRow(*list, 2);
        ClickRow(*list, 2);  // the chosen row again
        ClickRow(*list, 0);
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                          list->visualItemRect(list->item(0)).center());
        EXPECT_EQ(seen, std::vector<int>({2, 2, 0})) << list->metaObject()->className();
    }
    EXPECT_EQ(files.FileName(), QStringLiteral("a.CSV"));
}

TEST_F(ListBoxTest, CodeAndArrowKeysClickButTakingTheFocusAndClearingDoNot) {
    for (ListBox* list : lists) {
        seen.clear();
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focusIn);  // moves the current row without choosing it
        list->SetListIndex(2);  // no event loop runs: a click seen here ran before it returned
        list->SetListIndex(3);  // one past the last row
        list->SetListIndex(-1);
        EXPECT_EQ(list->ListIndex(), -1);
        list->SetListIndex(0);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(seen, std::vector<int>({2, 0, 1})) << list->metaObject()->className();
    }
    rows.Clear();
    files.Refresh();
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(rows.ListIndex() == -1 && files.FileName().isEmpty());
}

// Tab into a list with nothing chosen, as the user reaches the file and table lists: the first
// Down chooses the first entry and the next one the second; Up in an unchosen list the first.
TEST_F(ListBoxTest, TheFirstArrowKeyInAListWithNothingChosenChoosesTheFirstEntry) {
    QLineEdit before(&window);  // last in the tab order: Tab from it wraps to the first list
    before.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before.setFocus();
    QTest::keyClick(&before, Qt::Key_Tab);
    for (ListBox* list : lists) {
        ASSERT_EQ(QApplication::focusWidget(), list) << list->metaObject()->className();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Tab);
    }
    EXPECT_EQ(seen, std::vector<int>({0, 1, 0, 1}));
    rows.SetListIndex(-1);
    rows.setFocus();
    QTest::keyClick(&rows, Qt::Key_Up);
    EXPECT_EQ(seen, std::vector<int>({0, 1, 0, 1, 0}));
}

// A file list holds the files matching its pattern, sorted ignoring case; a folder list refuses
// what it cannot open and reports each change.
TEST_F(ListBoxTest, FileAndFolderListsShowOnlyWhatTheyCanOpen) {
    QStringList shown;
    for (int i = 0; i < files.count(); ++i)
        shown.append(files.item(i)->text());
    EXPECT_EQ(shown, QStringList({"a.CSV", "B.csv", "c.csv"}));
    EXPECT_FALSE(files.SetPath("no such folder"));
    EXPECT_EQ(files.count(), 0);
    EXPECT_TRUE(seen.empty());
    DirListBox dirs(&window, 0, 0, 2000, 3000);
    int changes = 0;
    dirs.onChange = [&] { ++changes; };
    EXPECT_TRUE(dirs.SetPath("files"));
    const QString opened = dirs.Path();
    EXPECT_FALSE(dirs.SetPath("no such folder"));
    EXPECT_FALSE(dirs.SetPath("files/B.csv"));
    EXPECT_EQ(dirs.Path(), opened);
    EXPECT_EQ(changes, 1);
}

TEST(DriveListTest, RootComesFirstOnceAndChoosingTheChosenDriveChangesNothing) {
    const QStringList drives = MountedDrives();
    EXPECT_TRUE(!drives.isEmpty() && drives.front() == "/" && drives.count("/") == 1)
        << drives.join(' ').toStdString();
    Window window(QStringLiteral("test"), 3000, 1000);
    DriveListBox list(&window, 0, 0, 2000);
    int changes = 0;
    list.onChange = [&] { ++changes; };
    emit list.activated(0);  // the user picks "/" in the drop-down, where "/" is already chosen
    EXPECT_TRUE(list.SetDrive("/"));
    EXPECT_FALSE(list.SetDrive("no such drive"));
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace velmora::testing
