// Drawing the exit sign, the question mark and the small dog into 32 x 32 pixmaps.
#include "toolkit/pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include "toolkit/fonts.h"

namespace velmora {
namespace {

QPixmap TransparentPixmap() {
    QPixmap pixmap(kPictureSize, kPictureSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The word on the exit sign, in the interface's language.
const char* const kExitWord = QT_TRANSLATE_NOOP("velmora::ExitSignPicture", "非常口");

// In the face of the title window's buttons, so that the title window, where the program starts,
// loads one Japanese face rather than two (a face costs some 2 MB of memory; the kanji are drawn
// alike in both).
void DrawExitWord(QPainter& painter) {
    QFont font(kFontMeiryo);
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 2, kPictureSize - 2, 11), Qt::AlignCenter,
                     QCoreApplication::translate("velmora::ExitSignPicture", kExitWord));
}

// A thick white arrow from the lower right towards the upper left corner of the lower half.
void DrawExitArrow(QPainter& painter) {
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(24, 28), QPointF(11, 17));
    QPainterPath head;
    head.moveTo(7, 14);
    head.lineTo(16, 15);
    head.lineTo(9, 22);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(head);
}

}  // namespace

QPixmap ExitSignPicture() {
    QPixmap pixmap = TransparentPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 80, 0));
    painter.setBrush(QColor(0, 160, 64));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kPictureSize - 1, kPictureSize - 1), 3, 3);
    DrawExitWord(painter);
    DrawExitArrow(painter);
    return pixmap;
}

QPixmap QuestionMarkPicture() {
    QPixmap pixmap = TransparentPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor red(220, 0, 0);
    painter.setPen(QPen(red, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath hook;
    hook.moveTo(9, 11);
    hook.arcTo(QRectF(9, 3, 14, 13), 180, -250);  // round top, ending at the lower right
    hook.quadTo(16, 17, 16, 21);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(QPointF(16, 27.5), 2.8, 2.8);
    return pixmap;
}

QPixmap DogPicture() {
    QPixmap pixmap = TransparentPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fur(170, 105, 45);
    const QColor dark(90, 50, 20);
    painter.setPen(QPen(dark, 1));
    painter.setBrush(fur);
    // Legs and tail first, so that the body covers their upper ends.
    for (const double x : {11.0, 15.0, 22.0, 26.0}) {
        painter.drawRoundedRect(QRectF(x - 1.5, 19, 3, 9), 1.2, 1.2);
    }
    painter.setPen(QPen(dark, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(28, 15), QPointF(31, 9));
    painter.setPen(QPen(dark, 1));
    painter.drawEllipse(QRectF(8, 12, 21, 10));  // body
    painter.drawEllipse(QRectF(1, 5, 11, 10));   // head
    painter.drawEllipse(QRectF(0, 11, 6, 4.5));  // muzzle
    painter.setBrush(dark);
    painter.drawEllipse(QRectF(7, 3, 5, 8));  // ear
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(5, 8.5), 1.1, 1.1);   // eye
    painter.drawEllipse(QPointF(0.9, 12.6), 1.2, 1);  // nose
    return pixmap;
}

}  // namespace velmora
