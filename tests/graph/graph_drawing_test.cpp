// What the graph window's drawing leaves on its two surfaces, and its caption.
#include <algorithm>
#include <cmath>
#include <vector>

#include "graph_test_support.h"

namespace velmora::testing {
namespace {

const double kLn10 = std::log(10.0);
const QColor kNavy(0, 0, 128);
const QColor kGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

double EnergyX(double energyMeV) {
    return std::log(energyMeV) + 2.0 * kLn10;
}
double StoppingY(double value) {
    return std::log(value) + 3.0 * kLn10;
}
double RangeY(double value) {
    return std::log(value) + 4.0 * kLn10;
}

// Columns of white text ink (at least 40 % over the navy) in an area, grouped into runs of adjacent
// columns (one per glyph).
struct InkRun {
    int left = 0;
    int right = 0;
    int top = 1 << 20;
    int bottom = -1;
};

std::vector<InkRun> InkRuns(const QImage& surface, const QRect& area) {
    std::vector<InkRun> runs;
    bool previousHadInk = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        InkRun column{x, x};
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QColor pixel = surface.pixelColor(x, y);
            if (pixel.red() > 100 && pixel.green() > 100 && pixel.blue() > 160) {
                column.top = std::min(column.top, y);
                column.bottom = std::max(column.bottom, y);
            }
        }
        const bool hasInk = column.bottom >= 0;
        if (hasInk && !previousHadInk) {
            runs.push_back(column);
        } else if (hasInk) {
            InkRun& run = runs.back();
            run.right = x;
            run.top = std::min(run.top, column.top);
            run.bottom = std::max(run.bottom, column.bottom);
        }
        previousHadInk = hasInk;
    }
    return runs;
}

// Client pixels of the legend box (1.8, 10.0)-(9.0, 13.2) without its two-pixel outline.
QRect LegendInterior(const PictureBox& box) {
    return QRect(box.ToPixel(1.8, 13.2), box.ToPixel(9.0, 10.0))
        .normalized()
        .adjusted(2, 2, -2, -2);
}

class GraphDrawingTest : public GraphTest {};

TEST_F(GraphDrawingTest, CurvesLieWhereTheirValuesMapOnLogarithmicAxes) {
    const TestMaterial m = DistinctCurvesMaterial();
    PutInTable(m);
    Form2& graph = form2();
    graph.DrawMaterial();
    const PictureBox& upper = *graph.Picture1;
    const PictureBox& lower = *graph.Picture2;

    // Row 73 (316 MeV): the total curve, drawn last of the three, in bright white.
    EXPECT_EQ(PixelAt(upper, EnergyX(m.energy[73]), StoppingY(m.total[73])), kWhite);
    // Row 65 (100 MeV) has a collision stopping power of exactly 1: on the grid's decade line
    // y = 3 ln 10, which shows grey where no curve crosses it.
    ASSERT_EQ(m.collision[65], 1.0);
    EXPECT_EQ(upper.ToPixel(0, StoppingY(m.collision[65])).y(), upper.ToPixel(0, 3 * kLn10).y());
    EXPECT_EQ(PixelAt(upper, EnergyX(m.energy[65]), StoppingY(1.0)), kYellow);
    EXPECT_EQ(PixelAt(upper, 10.0, 3 * kLn10), kGrey);
    // Row 7 has a radiative stopping power below 0.001: drawn under the frame, in the margin.
    ASSERT_LT(m.radiative[7], 0.001);
    const QPoint belowFrame = upper.ToPixel(EnergyX(m.energy[7]), StoppingY(m.radiative[7]));
    EXPECT_GT(belowFrame.y(), upper.ToPixel(0, 0).y() + 2);
    EXPECT_EQ(upper.Surface().pixelColor(belowFrame), kRed);
    // A csda range of exactly 1 g/cm2 (row 33, 1 MeV) lies on y = 4 ln 10 of the lower graph.
    ASSERT_EQ(m.range[33], 1.0);
    EXPECT_EQ(PixelAt(lower, EnergyX(1.0), RangeY(1.0)), kYellow);
    EXPECT_EQ(PixelAt(lower, 10.0, 4 * kLn10), kGrey);
    // Frames in bright white on both graphs; the background navy.
    EXPECT_EQ(PixelAt(upper, 11.5, 5.0), kWhite);
    EXPECT_EQ(PixelAt(lower, 5.0, 13.8), kWhite);
    EXPECT_EQ(PixelAt(lower, 11.8, 5.0), kNavy);
}

TEST_F(GraphDrawingTest, LegendBoxHidesCurvesAndGridBeneathIt) {
    // These curves cross the legend area: collision is about 40 at x = 1.8 (y = 10.6).
    const TestMaterial crossing = DistinctCurvesMaterial();
    ASSERT_GT(StoppingY(10.0 / std::sqrt(std::exp(1.8 - 2 * kLn10))), 10.0);
    PutInTable(crossing);
    form2().DrawMaterial();
    const PictureBox& upper = *form2().Picture1;
    const QRect legend = LegendInterior(upper);
    const QImage withCurves = upper.Surface().copy(legend);

    // The smooth material's curves stay below y = 10: its legend area shows the legend alone.
    PutInTable(SmoothMaterial());
    form2().DrawMaterial();
    EXPECT_EQ(upper.Surface().copy(legend), withCurves);

    const int yellowRow = upper.ToPixel(0, 11.9).y() - legend.top();
    const int redRow = upper.ToPixel(0, 10.9).y() - legend.top();
    int navy = 0;
    for (int y = 0; y < withCurves.height(); ++y) {
        for (int x = 0; x < withCurves.width(); ++x) {
            const QColor pixel = withCurves.pixelColor(x, y);
            navy += pixel == kNavy ? 1 : 0;
            EXPECT_NE(pixel, kGrey) << x << "," << y;
            if (pixel == kYellow) {
                EXPECT_LE(std::abs(y - yellowRow), 1) << x << "," << y;
            }
            if (pixel == kRed) {
                EXPECT_LE(std::abs(y - redRow), 1) << x << "," << y;
            }
        }
    }
    // Mostly background: the samples and texts cover a small part.
    EXPECT_GT(navy, withCurves.width() * withCurves.height() * 3 / 4);
}

TEST_F(GraphDrawingTest, RedrawIsCompleteAndRepeatable) {
    const TestMaterial first = DistinctCurvesMaterial("First");
    const TestMaterial second = SmoothMaterial("Second", 2.6989);
    PutInTable(second);
    form2().DrawMaterial();
    const QImage secondUpper = form2().Picture1->Surface().copy();
    const QImage secondLower = form2().Picture2->Surface().copy();

    PutInTable(first);
    form2().DrawMaterial();
    const QImage firstUpper = form2().Picture1->Surface().copy();
    const QImage firstLower = form2().Picture2->Surface().copy();
    EXPECT_NE(firstUpper, secondUpper);
    EXPECT_NE(firstLower, secondLower);
    form2().DrawMaterial();
    EXPECT_EQ(form2().Picture1->Surface(), firstUpper);
    EXPECT_EQ(form2().Picture2->Surface(), firstLower);

    // Drawing the second material over the first leaves exactly the second's picture.
    PutInTable(second);
    form2().DrawMaterial();
    EXPECT_EQ(form2().Picture1->Surface(), secondUpper);
    EXPECT_EQ(form2().Picture2->Surface(), secondLower);
}

TEST_F(GraphDrawingTest, PowerOfTenExponentsAreRaisedAfterTheTen) {
    PutInTable(SmoothMaterial());
    form2().DrawMaterial();
    // The label 10^0 under the energy axis hangs from (4.2, -0.1): "10" in 14-point type, then
    // the exponent "0" in 8-point type from the same top line, so the exponent's ink starts right
    // of the "10" and ends well above the bottom of the "10".
    const QPoint origin = form2().Picture1->ToPixel(4.2, -0.1);
    const std::vector<InkRun> glyphs =
        InkRuns(form2().Picture1->Surface(), QRect(origin.x() - 2, origin.y() - 2, 40, 24));
    ASSERT_EQ(glyphs.size(), 3u) << "expected the glyphs 1, 0 and the exponent 0";
    EXPECT_GT(glyphs[2].left, glyphs[1].right);
    EXPECT_LT(glyphs[2].bottom, std::min(glyphs[0].bottom, glyphs[1].bottom) - 4);
    EXPECT_LT(glyphs[2].top, glyphs[1].bottom - 8);
}

TEST_F(GraphDrawingTest, CaptionNamesMaterialAndDensity) {
    PutInTable(SmoothMaterial("Water, liquid", 1.0));
    form2().DrawMaterial();
    EXPECT_EQ(form2().Caption(),
              QStringLiteral("  Water, liquid     Density = 1.000[g/cm3]     (S/ρ)"));
    PutInTable(SmoothMaterial("Air, dry", 0.00120479));
    form2().DrawMaterial();
    EXPECT_EQ(form2().Caption(),
              QStringLiteral("  Air, dry     Density = 0.001205[g/cm3]     (S/ρ)"));
}

TEST_F(GraphDrawingTest, OkDrawsShowsAndLeavesCursorLinesHidden) {
    LoadWithOk(SmoothMaterial("Loaded by OK", 2.6989));
    Form2& graph = form2();
    EXPECT_TRUE(graph.isVisible());
    EXPECT_EQ(graph.Caption(),
              QStringLiteral("  Loaded by OK     Density = 2.6989[g/cm3]     (S/ρ)"));
    // A query shows the lines; the next OK hides all six again.
    form1().List1->SetListIndex(40);
    EXPECT_TRUE(graph.Line1->Visible() && graph.Line6->Visible());
    form1().Command2->click();
    for (const LineControl* line :
         {graph.Line1, graph.Line2, graph.Line3, graph.Line4, graph.Line5, graph.Line6}) {
        EXPECT_FALSE(line->Visible());
    }
}

}  // namespace
}  // namespace velmora::testing
