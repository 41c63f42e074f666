// What the graph window's drawing leaves on its two surfaces, and its caption.
#include <tuple>

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

TEST_F(GraphDrawingTest, CurvesLieWhereTheirValuesMapOnLogarithmicAxes) {
    const TestMaterial m = DistinctCurvesMaterial();
    LoadWithOk(m);
    const PictureBox& upper = *graphWindow().stoppingPowerGraph;
    const PictureBox& lower = *graphWindow().rangeGraph;
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
    // White frames on a navy background.
    EXPECT_EQ(At(upper, 11.5, 5.0), kWhite);
    EXPECT_EQ(At(lower, 5.0, 13.8), kWhite);
    EXPECT_EQ(At(lower, 11.8, 5.0), kNavy);
}

TEST_F(GraphDrawingTest, LegendBoxHidesCurvesAndGridBeneathIt) {
    // Client pixels of the legend box (1.8, 10.0)-(9.0, 13.2) without its two-pixel outline.
    const PictureBox& upper = *graphWindow().stoppingPowerGraph;
    const QRect legend = QRect(upper.ToPixel(1.8, 13.2), upper.ToPixel(9.0, 10.0))
                             .normalized()
                             .adjusted(2, 2, -2, -2);
    // Collision is about 40 at the legend's left edge: these curves cross the legend area...
    ASSERT_GT(StoppingY(10.0 / std::sqrt(std::exp(1.8 - 2 * kLn10))), 10.0);
    LoadWithOk(DistinctCurvesMaterial());
    const QImage crossed = upper.Surface().copy(legend);
    // ... and the smooth material's stay below it: both legend areas show the legend alone.
    LoadWithOk(SmoothMaterial());
    EXPECT_EQ(upper.Surface().copy(legend), crossed);

    const int yellowRow = upper.ToPixel(0, 11.9).y() - legend.top();
    const int redRow = upper.ToPixel(0, 10.9).y() - legend.top();
    int navy = 0;
    for (int y = 0; y < crossed.height(); ++y) {
        for (int x = 0; x < crossed.width(); ++x) {
            const QColor pixel = crossed.pixelColor(x, y);
            navy += pixel == kNavy ? 1 : 0;
            EXPECT_NE(pixel, kGrey) << x << "," << y;
            EXPECT_TRUE(pixel != kYellow || std::abs(y - yellowRow) <= 1) << x << "," << y;
            EXPECT_TRUE(pixel != kRed || std::abs(y - redRow) <= 1) << x << "," << y;
        }
    }
    EXPECT_GT(navy, crossed.width() * crossed.height() * 3 / 4);  // the texts cover a small part
}

TEST_F(GraphDrawingTest, EveryOkRedrawsCompletelyAndHidesTheCursorLines) {
    const auto pictures = [] {
        return std::pair{graphWindow().stoppingPowerGraph->Surface().copy(),
                         graphWindow().rangeGraph->Surface().copy()};
    };
    LoadWithOk(SmoothMaterial("Second", 2.6989));
    EXPECT_TRUE(graphWindow().isVisible());
    const auto second = pictures();
    LoadWithOk(DistinctCurvesMaterial("First"));
    const auto first = pictures();
    EXPECT_NE(first.first, second.first);
    EXPECT_NE(first.second, second.second);
    // A list click shows the six lines; the next OK hides them and draws the same pictures.
    mainWindow().tableList->SetListIndex(40);
    ASSERT_EQ(CursorLinesShown(), 6);
    mainWindow().okButton->click();
    EXPECT_EQ(CursorLinesShown(), 0);
    EXPECT_TRUE(pictures() == first);
    // The second material drawn over the first leaves exactly the second's pictures.
    LoadWithOk(SmoothMaterial("Second", 2.6989));
    EXPECT_TRUE(pictures() == second);
}

TEST_F(GraphDrawingTest, CaptionNamesMaterialAndDensity) {
    const std::tuple<const char*, double, const char16_t*> cases[] = {
        {"Water, liquid", 1.0, u"  Water, liquid     Density = 1.000[g/cm3]     (S/ρ)"},
        {"Air, dry", 0.00120479, u"  Air, dry     Density = 0.001205[g/cm3]     (S/ρ)"}};
    for (const auto& [name, density, caption] : cases) {
        LoadWithOk(SmoothMaterial(name, density));
        EXPECT_EQ(graphWindow().Caption(), QString::fromUtf16(caption));
    }
}

}  // namespace
}  // namespace velmora::testing
