// Line controls: moving them repaints only the container, never its drawing surface.
#include "toolkit/line_control.h"

#include "toolkit/picture_box.h"

namespace velmora {

LineControl::LineControl(PictureBox& container, const QColor& color, float x1, float y1, float x2,
                         float y2)
    : container_(container), color_(color), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

void LineControl::SetX1(float value) {
    x1_ = value;
    Repaint();
}

void LineControl::SetY1(float value) {
    y1_ = value;
    Repaint();
}

void LineControl::SetX2(float value) {
    x2_ = value;
    Repaint();
}

void LineControl::SetY2(float value) {
    y2_ = value;
    Repaint();
}

void LineControl::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Repaint();
    }
}

void LineControl::Repaint() {
    container_.update();
}

}  // namespace velmora
