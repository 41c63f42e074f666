// Message boxes: the real modal box, or whatever handler a test installed.
#include "toolkit/message_box.h"

#include <QMessageBox>

namespace velmora {
namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

void ShowModalBox(const QString& text, int style) {
    QMessageBox box(style == kMsgExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    kProgramTitle, text, QMessageBox::Ok);
    box.setAccessibleName(kProgramTitle);
    box.exec();
}

}  // namespace

void MsgBox(const QString& text, int style) {
    if (Handler()) {
        Handler()(text, style);
    } else {
        ShowModalBox(text, style);
    }
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace velmora
