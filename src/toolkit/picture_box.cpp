// Picture boxes: a persistent image surface, user coordinates and line controls drawn on top.
#include "toolkit/picture_box.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "toolkit/line_control.h"
#include "toolkit/twips.h"

namespace velmora {
namespace {

// A pixel coordinate far outside any surface still maps to a valid int for the painter.
int ClampedPixel(double value) {
    constexpr double kLimit = 1.0e6;
    if (!(value > -kLimit)) {
        return static_cast<int>(-kLimit);
    }
    if (value > kLimit) {
        return static_cast<int>(kLimit);
    }
    return static_cast<int>(std::lround(value));
}

int MouseButtons(Qt::MouseButtons buttons) {
    int state = 0;
    state |= (buttons & Qt::LeftButton) ? 1 : 0;
    state |= (buttons & Qt::RightButton) ? 2 : 0;
    state |= (buttons & Qt::MiddleButton) ? 4 : 0;
    return state;
}

// The pen of a curve: dashes of three pen widths with gaps of two, running on along the polyline.
QPen CurvePen(const QColor& color, int width, bool dashed) {
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (dashed) {
        pen.setDashPattern({3.0, 2.0});
    }
    return pen;
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    state |= (modifiers & Qt::ShiftModifier) ? 1 : 0;
    state |= (modifiers & Qt::ControlModifier) ? 2 : 0;
    state |= (modifiers & Qt::AltModifier) ? 4 : 0;
    return state;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, int left, int top, int width, int height)
    : QWidget(parent) {
    setGeometry(TwipsRect(left, top, width, height));
    const QSize client = size() - QSize(2 * kBorderPixels, 2 * kBorderPixels);
    surface_ = QImage(client.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    surface_.fill(backColor_);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

void PictureBox::SetScale(double scaleLeft, double scaleTop, double scaleWidth,
                          double scaleHeight) {
    scaleLeft_ = scaleLeft;
    scaleTop_ = scaleTop;
    scaleWidth_ = scaleWidth;
    scaleHeight_ = scaleHeight;
}

void PictureBox::SetBackColor(const QColor& color) {
    backColor_ = color;
    Cls();
}

void PictureBox::Cls() {
    surface_.fill(backColor_);
    drawing_.clear();
    currentX_ = 0.0;
    currentY_ = 0.0;
    update();
}

QPoint PictureBox::ToPixel(double x, double y) const {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const double px = (fx - scaleLeft_) * surface_.width() / scaleWidth_;
    const double py = (fy - scaleTop_) * surface_.height() / scaleHeight_;
    return QPoint(ClampedPixel(px), ClampedPixel(py));
}

QPointF PictureBox::ToUser(QPointF clientPixel) const {
    return QPointF(scaleLeft_ + clientPixel.x() * scaleWidth_ / surface_.width(),
                   scaleTop_ + clientPixel.y() * scaleHeight_ / surface_.height());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    Record({DrawOp::Kind::Line, {{x1, y1}, {x2, y2}}, color, drawWidth_, {}, {}});
    QPainter painter(&surface_);
    painter.setPen(QPen(color, drawWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(ToPixel(x1, y1), ToPixel(x2, y2));
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::LineTo(double x2, double y2, const QColor& color) {
    Line(currentX_, currentY_, x2, y2, color);
}

void PictureBox::Box(double x1, double y1, double x2, double y2, const QColor& color) {
    Record({DrawOp::Kind::Box, {{x1, y1}, {x2, y2}}, color, drawWidth_, {}, {}});
    QPainter painter(&surface_);
    painter.setPen(QPen(color, drawWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(ToPixel(x1, y1), ToPixel(x2, y2)).normalized());
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::FilledBox(double x1, double y1, double x2, double y2, const QColor& color) {
    Record({DrawOp::Kind::FilledBox, {{x1, y1}, {x2, y2}}, color, drawWidth_, {}, {}});
    QPainter painter(&surface_);
    const QRect area = QRect(ToPixel(x1, y1), ToPixel(x2, y2)).normalized();
    painter.fillRect(area.adjusted(0, 0, 1, 1), color);
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::PSet(double x, double y) {
    Record({DrawOp::Kind::Point, {{x, y}}, foreColor_, drawWidth_, {}, {}});
    QPainter painter(&surface_);
    painter.setPen(QPen(foreColor_, drawWidth_, Qt::SolidLine, Qt::SquareCap));
    painter.drawPoint(ToPixel(x, y));
    currentX_ = x;
    currentY_ = y;
    update();
}

QFont PictureBox::CurrentFont() const {
    QFont font(fontName_);
    font.setPointSizeF(fontSize_);
    return font;
}

void PictureBox::Print(const QString& text, PrintEnd end) {
    const QFont font = CurrentFont();
    Record({DrawOp::Kind::Text, {{currentX_, currentY_}}, foreColor_, drawWidth_, text, font});
    QPainter painter(&surface_);
    painter.setFont(font);
    painter.setPen(foreColor_);
    const QFontMetricsF metrics(font, &surface_);
    const QPoint topLeft = ToPixel(currentX_, currentY_);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    const double unitsPerPixelX = scaleWidth_ / surface_.width();
    const double unitsPerPixelY = scaleHeight_ / surface_.height();
    if (end == PrintEnd::StayOnLine) {
        currentX_ += metrics.horizontalAdvance(text) * unitsPerPixelX;
    } else {
        currentX_ = scaleLeft_;
        currentY_ += metrics.height() * unitsPerPixelY;
    }
    update();
}

void PictureBox::Curve(const std::vector<QPointF>& points, const QColor& color, bool dashed) {
    if (points.empty()) {
        return;
    }
    Record({dashed ? DrawOp::Kind::DashedCurve : DrawOp::Kind::Curve,
            points,
            color,
            drawWidth_,
            {},
            {}});
    QPolygon polyline;
    for (const QPointF& point : points) {
        polyline.append(ToPixel(point.x(), point.y()));
    }
    QPainter painter(&surface_);
    painter.setPen(CurvePen(color, drawWidth_, dashed));
    painter.drawPolyline(polyline);
    currentX_ = points.back().x();
    currentY_ = points.back().y();
    update();
}

std::vector<PrintedText> PictureBox::PrintedTexts() const {
    std::vector<PrintedText> printed;
    for (const DrawOp& op : drawing_) {
        if (op.kind == DrawOp::Kind::Text) {
            printed.push_back({op.text, op.at[0].x(), op.at[0].y(), op.font.pointSizeF()});
        }
    }
    return printed;
}

double PictureBox::TextWidth(const QString& text) const {
    return QFontMetricsF(CurrentFont(), &surface_).horizontalAdvance(text) * scaleWidth_ /
           surface_.width();
}

double PictureBox::TextHeight() const {
    return QFontMetricsF(CurrentFont(), &surface_).height() * std::fabs(scaleHeight_) /
           surface_.height();
}

void PictureBox::Record(DrawOp op) {
    drawing_.push_back(std::move(op));
}

QPointF PictureBox::ToPixelF(QPointF user) const {
    return QPointF((user.x() - scaleLeft_) * surface_.width() / scaleWidth_,
                   (user.y() - scaleTop_) * surface_.height() / scaleHeight_);
}

void PictureBox::Render(QPainter& painter, double scale) const {
    painter.save();
    painter.scale(scale, scale);
    const QRectF client(QPointF(0, 0), QSizeF(surface_.size()));
    painter.setClipRect(client);
    painter.fillRect(client, backColor_);
    painter.setRenderHint(QPainter::Antialiasing, scale != 1.0);
    for (const DrawOp& op : drawing_) {
        const QPointF first = ToPixelF(op.at[0]);
        const QPointF last = ToPixelF(op.at.back());
        const QPen pen(op.color, op.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        switch (op.kind) {
            case DrawOp::Kind::Line:
                painter.setPen(pen);
                painter.drawLine(first, last);
                break;
            case DrawOp::Kind::Point:
                painter.setPen(pen);
                painter.drawPoint(first);
                break;
            case DrawOp::Kind::Box:
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(first, last).normalized());
                break;
            case DrawOp::Kind::FilledBox:
                painter.fillRect(QRectF(first, last).normalized().adjusted(0, 0, 1, 1), op.color);
                break;
            case DrawOp::Kind::Text:
                painter.setPen(op.color);
                painter.setFont(op.font);
                painter.drawText(first + QPointF(0, QFontMetricsF(op.font, &surface_).ascent()),
                                 op.text);
                break;
            case DrawOp::Kind::Curve:
            case DrawOp::Kind::DashedCurve: {
                QPolygonF polyline;
                for (const QPointF& point : op.at) {
                    polyline.append(ToPixelF(point));
                }
                painter.setPen(CurvePen(op.color, op.width, op.kind == DrawOp::Kind::DashedCurve));
                painter.drawPolyline(polyline);
                break;
            }
        }
    }
    painter.restore();
}

void PictureBox::SetMousePointer(int shape) {
    mousePointer_ = shape;
    setCursor(shape == kPointerCross ? Qt::CrossCursor : Qt::ArrowCursor);
}

LineControl& PictureBox::AddLine(const QColor& color, float x1, float y1, float x2, float y2) {
    lines_.push_back(std::make_unique<LineControl>(*this, color, x1, y1, x2, y2));
    update();
    return *lines_.back();
}

void PictureBox::DrawLineControls(QPainter& painter, QPoint origin) const {
    for (const auto& line : lines_) {
        if (!line->Visible()) {
            continue;
        }
        painter.setPen(QPen(line->Color(), 1));
        painter.drawLine(ToPixel(line->X1(), line->Y1()) + origin,
                         ToPixel(line->X2(), line->Y2()) + origin);
    }
}

QImage PictureBox::Composite() const {
    QImage image = surface_.copy();
    QPainter painter(&image);
    DrawLineControls(painter, QPoint(0, 0));
    return image;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    // A sunken three-dimensional border, two pixels wide.
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
    painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.bottomLeft() + QPoint(1, -1));
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.setPen(QColor(212, 208, 200));
    painter.drawLine(outer.bottomLeft() + QPoint(1, -1), outer.bottomRight() + QPoint(-1, -1));
    painter.drawLine(outer.topRight() + QPoint(-1, 1), outer.bottomRight() + QPoint(-1, -1));
    const QPoint origin(kBorderPixels, kBorderPixels);
    painter.drawImage(origin, surface_);
    painter.setClipRect(QRect(origin, surface_.size()));
    DrawLineControls(painter, origin);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!onContextMenu) {
        event->ignore();
        return;
    }
    // From the keyboard the menu opens in the middle of the box.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : mapToGlobal(rect().center());
    onContextMenu(at);
}

// Shift+F10 asks for the context menu as the menu key does.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (onContextMenu && event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        onContextMenu(mapToGlobal(rect().center()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!onMouseMove) {
        return;
    }
    const QPointF client = event->position() - QPointF(kBorderPixels, kBorderPixels);
    const QPointF user = ToUser(client);
    onMouseMove(MouseButtons(event->buttons()), ShiftState(event->modifiers()),
                static_cast<float>(user.x()), static_cast<float>(user.y()));
}

}  // namespace velmora
