// The real message box, as the user sees it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "toolkit/message_box.h"

namespace velmora {
namespace {

// The real box: modal, the program's title, the text, the style's icon and one OK button.
TEST(MessageBoxTest, ShowsTheTextUnderTheProgramsTitleWithItsIconAndOneOkButton) {
    for (const auto& [style, icon] : {std::pair{kMsgExclamation, QMessageBox::Warning},
                                      std::pair{kMsgNoIcon, QMessageBox::NoIcon}}) {
        QString seen;
        QList<QMessageBox::StandardButton> buttons;
        QTimer::singleShot(0, [&seen, &buttons, icon] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + "|" + box->text() + (box->icon() == icon ? "" : "?");
                for (QAbstractButton* button : box->buttons())
                    buttons.append(box->standardButton(button));
                QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
            }
        });
        MsgBox(QStringLiteral("ファイルを保存しました"), style);
        EXPECT_EQ(seen, QStringLiteral("Velmora|ファイルを保存しました"));
        EXPECT_EQ(buttons, QList{QMessageBox::Ok});
    }
}

}  // namespace
}  // namespace velmora
