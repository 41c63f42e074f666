// Text boxes: the key-press handler sees the character code before the box takes the key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

void Press(QWidget& target, Qt::Key key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &event);
}

TEST(TextBoxTest, HandlerRunsBeforeTheBoxEditsAndGetsCharacterCodes) {
    Window window(QStringLiteral("test"), 3000, 1000);
    TextBox box(&window, 0, 0, 2000, 300);
    std::vector<std::pair<int, QString>> seen;
    box.onKeyPress = [&](int code) { seen.emplace_back(code, box.Text()); };
    Press(box, Qt::Key_1, QStringLiteral("1"));
    Press(box, Qt::Key_Return, QStringLiteral("\r"));
    Press(box, Qt::Key_Left, QString());  // no character: no key-press event
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(int('1'), QString()));
    EXPECT_EQ(seen[1], std::make_pair(13, QStringLiteral("1")));
    EXPECT_EQ(box.Text(), QStringLiteral("1"));
}

TEST(TextBoxTest, HandlerMayRewriteTheTextOnEnter) {
    Window window(QStringLiteral("test"), 3000, 1000);
    TextBox box(&window, 0, 0, 2000, 300);
    box.SetText(QStringLiteral("0.5"));
    box.onKeyPress = [&](int code) {
        if (code == 13) {
            box.SetText(QStringLiteral("5.000E-01"));
        }
    };
    Press(box, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(box.Text(), QStringLiteral("5.000E-01"));
}

}  // namespace
}  // namespace velmora
