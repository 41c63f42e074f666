// A drawing surface with user coordinates that keeps what is drawn on it until it is cleared.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace velmora {

class LineControl;

// Whether a Print stays on the line (the next Print continues right of it) or ends it.
enum class PrintEnd { StayOnLine, NewLine };

// One text printed on the surface: where its top left corner went (user units) and its size.
struct PrintedText {
    QString text;
    double x = 0.0;
    double y = 0.0;
    double points = 0.0;
};

// One drawing operation since the last Cls, in user coordinates, kept so that the drawing can be
// painted again at any size and on any device: a larger picture, a vector file.
struct DrawOp {
    enum class Kind { Line, Box, FilledBox, Point, Text, Curve, DashedCurve };
    Kind kind = Kind::Line;
    std::vector<QPointF> at;  // the two ends or corners, the one point, or a curve's points
    QColor color;
    int width = 1;  // pen width in pixels
    QString text;   // Text: the text, its top left corner at at[0], in font
    QFont font;
};

// Pointer shapes that MousePointer takes.
inline constexpr int kPointerArrow = 0;
inline constexpr int kPointerCross = 2;

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // Outer size in twips, including a sunken border of two pixels on each side.
    PictureBox(QWidget* parent, int left, int top, int width, int height);
    ~PictureBox() override;

    static constexpr int kBorderPixels = 2;

    // User coordinates over the client area: left and top edge, width and height in user units.
    // A negative height makes y grow upward.
    void SetScale(double scaleLeft, double scaleTop, double scaleWidth, double scaleHeight);
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }

    void SetBackColor(const QColor& color);
    void SetForeColor(const QColor& color) { foreColor_ = color; }
    QColor BackColor() const { return backColor_; }
    QColor ForeColor() const { return foreColor_; }
    void SetFontName(const QString& family) { fontName_ = family; }

    // Clears the surface to the background colour; the current point goes to (0, 0).
    void Cls();
    void SetDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int DrawWidth() const { return drawWidth_; }
    void SetFontSize(double points) { fontSize_ = points; }
    double FontSize() const { return fontSize_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // The four forms of Line; each leaves the current point at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, const QColor& color);
    void LineTo(double x2, double y2, const QColor& color);
    void Box(double x1, double y1, double x2, double y2, const QColor& color);
    void FilledBox(double x1, double y1, double x2, double y2, const QColor& color);
    // One point in the foreground colour; it becomes the current point.
    void PSet(double x, double y);
    // A polyline through the points, solid or dashed (the dashes run on from one segment to the
    // next); the current point goes to its last point.
    void Curve(const std::vector<QPointF>& points, const QColor& color, bool dashed);
    // Draws text in the foreground colour, its top left corner at the current point, on a
    // transparent background.
    void Print(const QString& text, PrintEnd end = PrintEnd::NewLine);
    // The texts printed since the last Cls, in order: the surface holds them only as pixels.
    std::vector<PrintedText> PrintedTexts() const;
    // Width and height in user units of a text printed at the current font size.
    double TextWidth(const QString& text) const;
    double TextHeight() const;

    // Everything drawn since the last Cls, in order.
    const std::vector<DrawOp>& Drawing() const { return drawing_; }
    // Paints the drawing since the last Cls on the background colour into the rectangle of the
    // painter's device that corresponds to the client area at the given scale (1 is the size on
    // screen): positions, pen widths and text all scale, text stays text.
    void Render(QPainter& painter, double scale) const;

    void SetMousePointer(int shape);
    int MousePointer() const { return mousePointer_; }

    // A line control inside this box, drawn over the surface; the box owns it.
    LineControl& AddLine(const QColor& color, float x1, float y1, float x2, float y2);

    // Runs for every pointer move over the client area: buttons (1 left, 2 right, 4 middle),
    // shift state (1 shift, 2 ctrl, 4 alt) and the position in user coordinates.
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    // Runs when the user asks for a context menu: the right mouse button, the menu key or
    // Shift+F10 while the box has the focus. The argument is the screen position for the menu.
    std::function<void(QPoint globalPosition)> onContextMenu;

    // The persistent surface, one pixel per client pixel.
    const QImage& Surface() const { return surface_; }
    // The surface with the visible line controls drawn over it, as the screen shows it.
    QImage Composite() const;
    QSize ClientSize() const { return surface_.size(); }
    // Client pixel of a point in user coordinates (each coordinate taken in single precision).
    QPoint ToPixel(double x, double y) const;
    // User coordinates of the centre-free client pixel position (as mouse events report it).
    QPointF ToUser(QPointF clientPixel) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class LineControl;
    void DrawLineControls(QPainter& painter, QPoint origin) const;
    QFont CurrentFont() const;
    QPointF ToPixelF(QPointF user) const;
    void Record(DrawOp op);

    QImage surface_;
    double scaleLeft_ = 0.0;
    double scaleTop_ = 0.0;
    double scaleWidth_ = 1.0;
    double scaleHeight_ = 1.0;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QString fontName_;
    double fontSize_ = 8.25;
    int drawWidth_ = 1;
    double currentX_ = 0.0;
    double currentY_ = 0.0;
    int mousePointer_ = kPointerArrow;
    std::vector<std::unique_ptr<LineControl>> lines_;
    std::vector<DrawOp> drawing_;
};

}  // namespace velmora
