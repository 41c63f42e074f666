// Choices in lists as a user makes them, and the real message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "support/material_files.h"
#include "support/user_input.h"
#include "toolkit/dir_list_box.h"
#include "toolkit/list_box.h"
#include "toolkit/message_box.h"
#include "toolkit/window.h"

namespace velmora::testing {
namespace {

class ControlsTest : public ::testing::Test {
  protected:
    ControlsTest() { window.Show(); }
    WorkingFolder folder;
    Window window{QStringLiteral("test"), 6000, 3000};
};

// Ctrl+click on the chosen row chooses it again, as a plain click does: a list of one choice
// never loses it to a click.
TEST_F(ControlsTest, CtrlClickOnTheChosenRowKeepsItChosenAndClicks) {
    ListBox list(&window, 0, 0, 2000, 2000);
    for (const char* row : {"a", "b", "c"})
        list.AddItem(row);
    list.show();
    std::vector<int> seen;
    list.onClick = [&] { seen.push_back(list.ListIndex()); };
    for (const int row : {1, 1, 2, 2}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list.visualItemRect(list.item(row)).center());
        EXPECT_TRUE(list.item(row)->isSelected()) << row;
    }
    EXPECT_EQ(seen, std::vector<int>({1, 1, 2, 2}));
}

// The folder list highlights the folder it shows, whether code or the user opened it.
TEST_F(ControlsTest, TheFolderListHighlightsTheFolderItShows) {
    QDir().mkpath("top/sub/deeper");
    DirListBox dirs(&window, 0, 0, 3000, 3000);
    dirs.show();
    const auto highlighted = [&dirs] {
        const QListWidgetItem* item = dirs.currentItem();
        return item && item->isSelected() ? item->text().trimmed() : QString();
    };
    ASSERT_TRUE(dirs.SetPath("top"));
    EXPECT_EQ(highlighted(), "top");
    ClickRow(dirs, dirs.count() - 1);  // the subfolder under the highlighted folder
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.Path(), QDir::current().absoluteFilePath("top/sub"));
    EXPECT_EQ(highlighted(), "sub");
    EXPECT_EQ(dirs.item(dirs.count() - 1)->text().trimmed(), "deeper");
}

// The real box: modal, the program's title, the text, the style's icon and one OK button.
TEST(MessageBoxTest, ShowsTheTextUnderTheProgramsTitleWithItsIconAndOneOkButton) {
    for (const auto& [style, icon] : {std::pair{kMsgExclamation, QMessageBox::Warning},
                                      std::pair{kMsgNoIcon, QMessageBox::NoIcon}}) {
        QString seen;
        QTimer::singleShot(0, [&seen, icon] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = box->windowTitle() + "|" + box->text();
            EXPECT_EQ(box->icon(), icon);
            ASSERT_EQ(box->buttons().size(), 1);
            EXPECT_EQ(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
            QTest::mouseClick(box->buttons()[0], Qt::LeftButton);
        });
        MsgBox(QStringLiteral("ファイルを保存しました"), style);
        EXPECT_EQ(seen, QStringLiteral("Velmora|ファイルを保存しました"));
    }
}

}  // namespace
}  // namespace velmora::testing
