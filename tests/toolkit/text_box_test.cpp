// Text boxes: the key-press handler sees the character code before the box takes the key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

TEST(TextBoxTest, HandlerRunsBeforeTheBoxEditsAndMayRewriteTheTextOnEnter) {
    Window window(QStringLiteral("test"), 3000, 1000);
    TextBox box(&window, 0, 0, 2000, 300);
    std::vector<std::pair<int, QString>> seen;  // codes and the text before the box took the key
    box.onKeyPress = [&](int code) {
        seen.emplace_back(code, box.Text());
        if (code == 13)
            box.SetText("5.000E-01");
    };
    // The left arrow types no character: it raises no key-press event.
    for (const auto& [key, text] : {std::pair<Qt::Key, const char*>{Qt::Key_1, "1"},
                                    {Qt::Key_Return, "\r"},
                                    {Qt::Key_Left, ""}}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(seen, decltype(seen)({{'1', ""}, {13, "1"}}));
    EXPECT_EQ(box.Text(), "5.000E-01");
}

}  // namespace
}  // namespace velmora
