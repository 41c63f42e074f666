// Command buttons placed in twips.
#include "toolkit/button.h"

#include "toolkit/twips.h"

namespace velmora {

Button::Button(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QPushButton(caption, parent) {
    setGeometry(TwipsRect(left, top, width, height));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick) {
            onClick();
        }
    });
}

void Button::SetBackColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Button, color);
    setPalette(colors);
}

void Button::SetPicture(const QPixmap& picture) {
    setIcon(QIcon(picture));
    setIconSize(picture.size());
}

}  // namespace velmora
