// Filled circles.
#include "toolkit/shape.h"

#include <QPainter>

#include "toolkit/twips.h"

namespace velmora {

Shape::Shape(QWidget* parent, const QColor& fill, int left, int top, int width, int height)
    : QWidget(parent), fill_(fill) {
    setGeometry(TwipsRect(left, top, width, height));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(fill_);
    painter.setBrush(fill_);
    painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

}  // namespace velmora
