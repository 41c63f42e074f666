// What the graph window's drawing leaves on its two surfaces, and its caption.
#include <QTest>

#include "graph_test_support.h"

namespace velmora::testing {
namespace {

const double kLn10 = std::log(10.0);
const QColor kNavy(0, 0, 128), kGrey(128, 128, 128), kYellow(255, 255, 0), kRed(255, 0, 0),
    kWhite(255, 255, 255);

const auto EnergyX = [](double energyMeV) { return std::log(energyMeV) + 2 * kLn10; };
const auto StoppingY = [](double value) { return std::log(value) + 3 * kLn10; };
const auto At = [](const PictureBox& box, double x, double y) {
    return box.Surface().pixelColor(box.ToPixel(x, y));
};

using GraphDrawingTest = GraphTest;

// Curves lie where their values map on the logarithmic axes; every OK draws both graphs anew,
// hides the cursor lines and names material and density in the caption; the legend box hides the
// curves and the grid beneath it.
TEST_F(GraphDrawingTest, CurvesWhereTheyMapRedrawnOnEveryOkAndHiddenUnderTheLegend) {
    const PictureBox& upper = *graphWindow().stoppingPowerGraph;
    const PictureBox& lower = *graphWindow().rangeGraph;
    const auto pictures = [&] { return std::pair{upper.Surface().copy(), lower.Surface().copy()}; };
    LoadWithOk(SmoothMaterial("Water, liquid"));
    EXPECT_TRUE(graphWindow().isVisible());
    EXPECT_EQ(graphWindow().Caption(), "  Water, liquid     Density = 1.000[g/cm3]     (S/ρ)");
    const auto smooth = pictures();
    TestMaterial m = DistinctCurvesMaterial("Air, dry");
    m.density = 0.00120479;
    LoadWithOk(m);
    EXPECT_EQ(graphWindow().Caption(), "  Air, dry     Density = 0.001205[g/cm3]     (S/ρ)");
    // Row 73 (316 MeV): the total curve, drawn last of the three, in bright white.
    EXPECT_EQ(At(upper, EnergyX(m.energy[73]), StoppingY(m.total[73])), kWhite);
    // A collision stopping power of exactly 1 (row 65) lies on the decade line y = 3 ln 10, which
    // shows grey where no curve crosses it.
    EXPECT_EQ(At(upper, EnergyX(m.energy[65]), 3 * kLn10), kYellow);
    EXPECT_EQ(At(upper, 10.0, 3 * kLn10), kGrey);
    // A radiative stopping power below 0.001 (row 7) is drawn under the frame, in the margin.
    const QPoint belowFrame = upper.ToPixel(EnergyX(m.energy[7]), StoppingY(m.radiative[7]));
    EXPECT_GT(belowFrame.y(), upper.ToPixel(0, 0).y() + 2);
    EXPECT_EQ(upper.Surface().pixelColor(belowFrame), kRed);
    // A csda range of exactly 1 g/cm2 (row 33, 1 MeV) lies on y = 4 ln 10 of the lower graph.
    EXPECT_EQ(At(lower, EnergyX(1.0), 4 * kLn10), kYellow);
    EXPECT_EQ(At(lower, 10.0, 4 * kLn10), kGrey);
    EXPECT_EQ(At(upper, 11.5, 5.0), kWhite);
    EXPECT_EQ(At(lower, 5.0, 13.8), kWhite);
    EXPECT_EQ(At(lower, 11.8, 5.0), kNavy);
    const auto crossed = pictures();
    EXPECT_NE(crossed.first, smooth.first);
    EXPECT_NE(crossed.second, smooth.second);
    // A list click shows the six lines; the next OK hides them and draws the same pictures.
    mainWindow().tableList->SetListIndex(40);
    ASSERT_EQ(CursorLinesShown(), 6);
    mainWindow().okButton->click();
    EXPECT_EQ(CursorLinesShown(), 0);
    EXPECT_TRUE(pictures() == crossed);
    LoadWithOk(SmoothMaterial("Water, liquid"));
    EXPECT_TRUE(pictures() == smooth);
    // Closed by its frame, the window stays away while Enter or a list click moves its cursor
    // lines; the next OK shows it again.
    graphWindow().close();
    mainWindow().energyBox->SetText("1");
    QTest::keyClick(mainWindow().energyBox, Qt::Key_Return);
    mainWindow().tableList->SetListIndex(3);
    EXPECT_TRUE(GraphWindowExists() && CursorLinesShown() == 6 && !graphWindow().isVisible());
    mainWindow().okButton->click();
    EXPECT_TRUE(graphWindow().isVisible());

    // Client pixels of the legend box (1.8, 10.0)-(9.0, 13.2) without its two-pixel outline. The
    // distinct collision curve (about 40 at the legend's left edge) crosses it, the smooth curves
    // stay below it: both show the legend alone.
    const QRect legendBox = QRect(upper.ToPixel(1.8, 13.2), upper.ToPixel(9.0, 10.0))
                                .normalized()
                                .adjusted(2, 2, -2, -2);
    ASSERT_GT(StoppingY(10.0 / std::sqrt(std::exp(1.8 - 2 * kLn10))), 10.0);
    const QImage legend = crossed.first.copy(legendBox);
    EXPECT_EQ(smooth.first.copy(legendBox), legend);
    const int yellowRow = upper.ToPixel(0, 11.9).y() - legendBox.top();
    const int redRow = upper.ToPixel(0, 10.9).y() - legendBox.top();
    int navy = 0;
    for (int y = 0; y < legend.height(); ++y) {
        for (int x = 0; x < legend.width(); ++x) {
            const QColor pixel = legend.pixelColor(x, y);
            navy += pixel == kNavy ? 1 : 0;
            EXPECT_NE(pixel, kGrey) << x << "," << y;
            EXPECT_TRUE(pixel != kYellow || std::abs(y - yellowRow) <= 1) << x << "," << y;
            EXPECT_TRUE(pixel != kRed || std::abs(y - redRow) <= 1) << x << "," << y;
        }
    }
    EXPECT_GT(navy, legend.width() * legend.height() * 3 / 4);  // the texts cover a small part
}

}  // namespace
}  // namespace velmora::testing
