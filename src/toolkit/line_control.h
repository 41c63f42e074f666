// A straight line of fixed colour inside a picture box, drawn over what is drawn there.
#pragma once

#include <QColor>

namespace velmora {

class PictureBox;

class LineControl {
  public:
    LineControl(PictureBox& container, const QColor& color, float x1, float y1, float x2, float y2);

    // End points in the container's user coordinates; setting one moves that end at once.
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void SetX1(float value);
    void SetY1(float value);
    void SetX2(float value);
    void SetY2(float value);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    QColor Color() const { return color_; }

  private:
    void Repaint();

    PictureBox& container_;
    QColor color_;
    float x1_, y1_, x2_, y2_;
    bool visible_ = true;
};

}  // namespace velmora
