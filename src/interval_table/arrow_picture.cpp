// Draws the right-pointing arrow of the "Calculation" button: a blue arrow with a dark edge on a
// transparent ground, its head toward the result list.
#include "interval_table/arrow_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace velmora {

QPixmap RightArrowPicture() {
    constexpr int kSize = 32;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Shaft from the left edge to the middle, head from there to the right edge.
    QPainterPath arrow;
    arrow.moveTo(3, 11);
    arrow.lineTo(16, 11);
    arrow.lineTo(16, 4);
    arrow.lineTo(29, 16);
    arrow.lineTo(16, 28);
    arrow.lineTo(16, 21);
    arrow.lineTo(3, 21);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0, 0, 96), 1.5));
    painter.setBrush(QColor(40, 90, 220));
    painter.drawPath(arrow);
    return picture;
}

}  // namespace velmora
