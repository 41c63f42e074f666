// Text boxes with a key-press hook that runs before the box's own editing.
#include "toolkit/text_box.h"

#include <QKeyEvent>
#include <QPointer>

#include "toolkit/twips.h"

namespace velmora {

int KeyAscii(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
            return -1;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).isNull()) {
        return -1;
    }
    return text.at(0).unicode();
}

TextBox::TextBox(QWidget* parent, int left, int top, int width, int height) : QLineEdit(parent) {
    setGeometry(TwipsRect(left, top, width, height));
    setTextMargins(1, 0, 1, 0);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const int code = KeyAscii(*event);
    QPointer<TextBox> self(this);
    if (code >= 0 && onKeyPress) {
        onKeyPress(code);
    }
    if (self) {
        QLineEdit::keyPressEvent(event);
    }
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (onClick) {
        onClick();
    }
}

}  // namespace velmora
