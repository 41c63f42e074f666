// Picture boxes: user coordinates, a surface that persists, line controls over it, mouse moves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

class PictureBoxTest : public ::testing::Test {
  protected:
    // 7935 x 7335 twips: 529 x 489 pixels outside, 525 x 485 inside the border.
    PictureBoxTest()
        : window(QStringLiteral("test"), 8160, 8000), box(&window, 120, 120, 7935, 7335) {
        box.SetScale(-1.5, 14.3, 13.5, -15.8);
        box.SetBackColor(QColor(0, 0, 128));
        box.SetForeColor(Qt::white);
    }
    Window window;
    PictureBox box;
};

TEST_F(PictureBoxTest, UserCoordinatesMapOntoTheClientAreaWithYGrowingUpward) {
    EXPECT_EQ(box.ClientSize(), QSize(525, 485));
    EXPECT_EQ(box.ToPixel(-1.5, 14.3), QPoint(0, 0));
    EXPECT_EQ(box.ToPixel(12.0, -1.5), QPoint(525, 485));
    const QPoint origin = box.ToPixel(0.0, 0.0);
    EXPECT_EQ(origin.x(), 58);   // 1.5 / 13.5 * 525 = 58.3
    EXPECT_EQ(origin.y(), 439);  // 14.3 / 15.8 * 485 = 438.96 from the top
    const QPointF back = box.ToUser(QPointF(origin));
    EXPECT_NEAR(back.x(), 0.0, 13.5 / 525);
    EXPECT_NEAR(back.y(), 0.0, 15.8 / 485);
}

TEST_F(PictureBoxTest, DrawingPersistsAcrossHideAndShowAndUnderLineControls) {
    box.SetDrawWidth(2);
    box.Line(0.0, 5.0, 11.5, 5.0, QColor(255, 255, 0));
    const QPoint onLine = box.ToPixel(6.0, 5.0);
    EXPECT_EQ(box.Surface().pixelColor(onLine), QColor(255, 255, 0));
    LineControl& cursor = box.AddLine(QColor(0, 255, 255), 6.0f, 13.76f, 6.0f, 0.0f);
    window.Show();
    QApplication::processEvents();
    window.Hide();
    window.Show();
    cursor.SetX1(3.0f);
    cursor.SetX2(3.0f);
    QApplication::processEvents();
    EXPECT_EQ(box.Surface().pixelColor(onLine), QColor(255, 255, 0));
    // The line control shows on the composite only, never on the surface itself.
    const QPoint onCursor = box.ToPixel(3.0, 8.0);
    EXPECT_EQ(box.Composite().pixelColor(onCursor), QColor(0, 255, 255));
    EXPECT_EQ(box.Surface().pixelColor(onCursor), QColor(0, 0, 128));
    cursor.SetVisible(false);
    EXPECT_EQ(box.Composite().pixelColor(onCursor), QColor(0, 0, 128));
    // What the screen shows is the surface plus the border, as grabbed from the widget.
    const QImage screen = box.grab().toImage();
    EXPECT_EQ(screen.pixelColor(onLine + QPoint(2, 2)), QColor(255, 255, 0));
}

TEST_F(PictureBoxTest, FilledBoxWipesAndClsClears) {
    box.Line(0.0, 11.0, 11.5, 11.0, Qt::white);
    box.FilledBox(1.8, 10.0, 9.0, 13.2, QColor(0, 0, 128));
    EXPECT_EQ(box.Surface().pixelColor(box.ToPixel(5.0, 11.0)), QColor(0, 0, 128));
    EXPECT_EQ(box.Surface().pixelColor(box.ToPixel(10.0, 11.0)), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(box.CurrentX(), 9.0);
    box.Cls();
    EXPECT_EQ(box.Surface().pixelColor(box.ToPixel(10.0, 11.0)), QColor(0, 0, 128));
}

TEST_F(PictureBoxTest, PrintStayingOnTheLineContinuesAtTheSameTop) {
    box.SetFontSize(14);
    box.SetCurrentX(1.0);
    box.SetCurrentY(5.0);
    box.Print(QStringLiteral("10"), PrintEnd::StayOnLine);
    EXPECT_GT(box.CurrentX(), 1.2);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 5.0);
    const double afterTen = box.CurrentX();
    box.SetFontSize(8);
    box.Print(QStringLiteral("-2"));
    EXPECT_DOUBLE_EQ(box.CurrentX(), box.ScaleLeft());
    EXPECT_LT(box.CurrentY(), 5.0);  // the next line lies below, which is lower y here
    // Text was drawn in white right of (1.0, 5.0) and below its top, nothing above it.
    const QImage& surface = box.Surface();
    const QPoint top = box.ToPixel(1.0, 5.0);
    const QPoint end = box.ToPixel(afterTen, 5.0);
    int whiteBelow = 0;
    int whiteAbove = 0;
    for (int x = top.x(); x < end.x() + 20; ++x) {
        for (int y = top.y() - 10; y < top.y(); ++y) {
            whiteAbove += surface.pixelColor(x, y) == QColor(Qt::white);
        }
        for (int y = top.y(); y < top.y() + 25; ++y) {
            whiteBelow += surface.pixelColor(x, y) == QColor(Qt::white);
        }
    }
    EXPECT_GT(whiteBelow, 10);
    EXPECT_EQ(whiteAbove, 0);
}

TEST_F(PictureBoxTest, MouseMovesArriveInUserCoordinates) {
    float seenX = -100.0f;
    float seenY = -100.0f;
    int seenButton = -1;
    box.onMouseMove = [&](int button, int, float x, float y) {
        seenButton = button;
        seenX = x;
        seenY = y;
    };
    const QPoint client = box.ToPixel(4.0, 7.0);
    const QPointF local =
        QPointF(client) + QPointF(PictureBox::kBorderPixels, PictureBox::kBorderPixels);
    QMouseEvent move(QEvent::MouseMove, local, box.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    EXPECT_EQ(seenButton, 0);
    EXPECT_NEAR(seenX, 4.0f, 13.5f / 525);
    EXPECT_NEAR(seenY, 7.0f, 15.8f / 485);
}

TEST_F(PictureBoxTest, CoordinatesFarOutsideTheBoxDoNotBreakDrawing) {
    box.Line(-1.0e30, 0.0, 1.0e30, 0.0, Qt::white);
    box.LineTo(5.0, std::numeric_limits<double>::infinity(), Qt::white);
    EXPECT_EQ(box.Surface().pixelColor(box.ToPixel(5.0, 0.0)), QColor(Qt::white));
}

}  // namespace
}  // namespace velmora
