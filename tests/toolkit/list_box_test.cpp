// List boxes: selection from code runs the click handler before the setter returns.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "toolkit/list_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

class ListBoxTest : public ::testing::Test {
  protected:
    ListBoxTest() : window(QStringLiteral("test"), 3000, 3000), list(&window, 0, 0, 2000, 2000) {
        for (const char* row : {"a", "b", "c"}) {
            list.AddItem(QString::fromLatin1(row));
        }
    }
    Window window;
    ListBox list;
};

TEST_F(ListBoxTest, SettingTheIndexRunsTheClickSynchronouslyWithTheNewSelection) {
    std::vector<int> seen;
    list.onClick = [&] { seen.push_back(list.ListIndex()); };
    list.SetListIndex(2);
    EXPECT_EQ(seen, std::vector<int>({2}));
    list.SetListIndex(2);  // the same row again still clicks, as a user's click would
    list.SetListIndex(0);
    EXPECT_EQ(seen, std::vector<int>({2, 2, 0}));
}

TEST_F(ListBoxTest, ClearAndOutOfRangeIndicesDoNotClick) {
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.SetListIndex(7);
    list.SetListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    list.SetListIndex(1);
    list.Clear();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListBoxTest, ArrowKeysClickLikeTheMouse) {
    window.Show();
    list.SetListIndex(0);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&list, &down);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.List(1), QStringLiteral("b"));
}

}  // namespace
}  // namespace velmora
