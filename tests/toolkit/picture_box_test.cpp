// Picture boxes: user coordinates, a surface that persists, line controls over it, mouse moves.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"
#include "toolkit/window.h"

namespace velmora {
namespace {

const QColor kNavy(0, 0, 128), kYellow(255, 255, 0), kCyan(0, 255, 255), kWhite(Qt::white);

class PictureBoxTest : public ::testing::Test {
  protected:
    // 7935 x 7335 twips: 529 x 489 pixels outside, 525 x 485 inside the border.
    PictureBoxTest()
        : window(QStringLiteral("test"), 8160, 8000), box(&window, 120, 120, 7935, 7335) {
        box.SetScale(-1.5, 14.3, 13.5, -15.8);
        box.SetBackColor(kNavy);
        box.SetForeColor(kWhite);
        box.SetFontName(QStringLiteral("Times New Roman"));  // as the graphs: not the default face
    }
    QColor At(double x, double y) const { return box.Surface().pixelColor(box.ToPixel(x, y)); }
    Window window;
    PictureBox box;
};

// The user coordinates' corners; points far outside clamp. (A real pointer's way back to user
// coordinates is tested by the graphs' read-out.)
TEST_F(PictureBoxTest, UserCoordinatesMapToPixelsAndFarPointsClamp) {
    EXPECT_EQ(box.ToPixel(12.0, -1.5), QPoint(525, 485));
    EXPECT_EQ(box.ToPixel(0.0, 0.0), QPoint(58, 439));  // 1.5 / 13.5 * 525, 14.3 / 15.8 * 485
    box.Line(-1.0e12, 0.0, 1.0e12, 0.0, kWhite);        // far outside the box on both sides
    box.LineTo(5.0, std::numeric_limits<double>::infinity(), kWhite);
    EXPECT_EQ(At(5.0, 0.0), kWhite);
}

TEST_F(PictureBoxTest, DrawingPersistsUnderLineControlsUntilWipedOrCleared) {
    box.SetDrawWidth(2);
    box.Line(0.0, 5.0, 11.5, 5.0, kYellow);
    LineControl& cursor = box.AddLine(kCyan, 6.0f, 13.76f, 6.0f, 0.0f);
    window.Show();
    QApplication::processEvents();
    window.Hide();
    window.Show();
    cursor.SetX1(3.0f);
    cursor.SetX2(3.0f);
    QApplication::processEvents();
    EXPECT_EQ(At(6.0, 5.0), kYellow);
    // The line control shows on the composite and the screen only, never on the surface itself.
    const QPoint onCursor = box.ToPixel(3.0, 8.0);
    EXPECT_EQ(box.Composite().pixelColor(onCursor), kCyan);
    EXPECT_EQ(At(3.0, 8.0), kNavy);
    cursor.SetVisible(false);
    EXPECT_EQ(box.Composite().pixelColor(onCursor), kNavy);
    EXPECT_EQ(box.grab().toImage().pixelColor(box.ToPixel(6.0, 5.0) + QPoint(2, 2)), kYellow);
    box.FilledBox(1.8, 4.0, 9.0, 6.0, kNavy);  // wipes the line's middle, edges included
    EXPECT_EQ(At(9.0, 5.0), kNavy);
    EXPECT_EQ(At(10.0, 5.0), kYellow);
    box.Cls();
    EXPECT_EQ(At(10.0, 5.0), kNavy);
}

// Text hangs below the current point; staying on the line continues right of it at the same top.
TEST_F(PictureBoxTest, PrintDrawsBelowTheCurrentPointAndMovesIt) {
    const QImage empty = box.Surface().copy(0, 0, 60, 10);
    box.SetFontSize(14);
    box.SetCurrentX(1.0);
    box.SetCurrentY(5.0);
    box.Print(QStringLiteral("10"), PrintEnd::StayOnLine);
    EXPECT_GT(box.CurrentX(), 1.2);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 5.0);
    box.Print(QStringLiteral("-2"));
    EXPECT_DOUBLE_EQ(box.CurrentX(), box.ScaleLeft());
    EXPECT_LT(box.CurrentY(), 5.0);  // the next line lies below, which is lower y here
    const QPoint top = box.ToPixel(1.0, 5.0);
    EXPECT_TRUE(box.Surface().copy(QRect(top - QPoint(0, 10), empty.size())) == empty);
    EXPECT_FALSE(box.Surface().copy(QRect(top, empty.size())) == empty);
}

}  // namespace
}  // namespace velmora
