// List boxes: selection from code runs the click handler before the setter returns.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "toolkit/list_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

class ListBoxTest : public ::testing::Test {
  protected:
    ListBoxTest() {
        for (const char* row : {"a", "b", "c"}) {
            list.AddItem(row);
        }
        list.onClick = [this] { seen.push_back(list.ListIndex()); };
    }
    Window window{QStringLiteral("test"), 3000, 3000};
    ListBox list{&window, 0, 0, 2000, 2000};
    std::vector<int> seen;  // the selection each click saw
};

TEST_F(ListBoxTest, SettingTheIndexClicksSynchronouslyButClearingAndBadIndicesDoNot) {
    list.SetListIndex(2);  // no event loop runs: a click seen here ran before the setter returned
    list.SetListIndex(2);  // the same row again still clicks, as a user's click would
    list.SetListIndex(3);  // one past the last row
    list.SetListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    list.SetListIndex(0);
    list.Clear();
    EXPECT_EQ(seen, std::vector<int>({2, 2, 0}));
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListBoxTest, ArrowKeysClickLikeTheMouseButTakingTheFocusDoesNot) {
    window.Show();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list, &focusIn);  // moves the current row without choosing it
    EXPECT_TRUE(seen.empty());
    list.SetListIndex(0);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&list, &down);
    EXPECT_EQ(seen, std::vector<int>({0, 1}));
}

}  // namespace
}  // namespace velmora
