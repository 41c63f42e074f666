// Labels placed in twips.
#include "toolkit/label.h"

#include "toolkit/twips.h"

namespace velmora {

Label::Label(QWidget* parent, const QString& text, int left, int top, int width, int height)
    : QLabel(text, parent) {
    setGeometry(TwipsRect(left, top, width, height));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void Label::SetForeColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void Label::SetBackColor(const QColor& color) {
    // Translucency also switched off the system background; both must go for the fill to show.
    setAttribute(Qt::WA_TranslucentBackground, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

}  // namespace velmora
