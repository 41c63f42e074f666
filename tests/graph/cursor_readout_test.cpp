// The graph read-out: frame test, nearest row, the six lines and the main window's table list.
#include <QApplication>
#include <QMouseEvent>
#include <array>

#include "graph_test_support.h"

namespace velmora::testing {
namespace {

// Reads out at (x, y) over the box (the upper graph by default); returns the row selected (or 0).
int RowAt(float x, PictureBox* box = nullptr, float y = 7.0f) {
    graphWindow().ReadOut(box ? *box : *graphWindow().stoppingPowerGraph, x, y);
    return mainWindow().tableList->ListIndex() + 1;
}

using CursorReadOutTest = GraphTest;

// Each row owns the stretch between the midpoints around it on both graphs, up to the frame lines,
// which count as outside; a real pointer moved across the lower graph, pixel by pixel, fills the
// main window row by row.
TEST_F(CursorReadOutTest, EachRowOwnsItsStretchInsideTheFrameAndMovingAcrossFillsRowByRow) {
    LoadWithOk(SmoothMaterial());
    const MaterialTable& t = SharedMaterialTable();
    for (int row = 2; row <= kLastRow; ++row) {
        const double midpoint = (CursorX(t.EnergyMeV[row - 1]) + CursorX(t.EnergyMeV[row])) / 2;
        EXPECT_EQ(RowAt(float(midpoint - 1e-4), graphWindow().stoppingPowerGraph, 13.0f), row - 1)
            << row;
        EXPECT_EQ(RowAt(float(midpoint + 1e-4), graphWindow().rangeGraph, 0.5f), row) << row;
    }
    // Row 1 even left of its own position; row 81 (right of the frame) up to the frame's edge.
    EXPECT_EQ(RowAt(std::nextafter(0.0f, 1.0f)), 1);
    EXPECT_EQ(RowAt(std::nextafter(11.5f, 0.0f)), 81);
    // On a frame line or outside it the pointer is an arrow, the lines hide, the row stays.
    const float in0 = std::nextafter(0.0f, 1.0f);
    const std::array<float, 4> edges[] = {{0.0f, 5.0f, in0, 5.0f},
                                          {11.5f, 5.0f, std::nextafter(11.5f, 0.0f), 5.0f},
                                          {5.0f, 0.0f, 5.0f, in0},
                                          {5.0f, 13.8f, 5.0f, std::nextafter(13.8f, 0.0f)}};
    for (PictureBox* box : {graphWindow().stoppingPowerGraph, graphWindow().rangeGraph}) {
        const auto shown = [box] { return std::pair(box->MousePointer(), CursorLinesShown()); };
        for (const auto& [x, y, insideX, insideY] : edges) {
            SCOPED_TRACE(::testing::Message() << x << "," << y);
            const int selected = RowAt(insideX, box, insideY);
            EXPECT_EQ(shown(), std::pair(kPointerCross, 6));
            EXPECT_EQ(RowAt(x, box, y), selected);
            EXPECT_EQ(shown(), std::pair(kPointerArrow, 0));
        }
    }

    // A pointer exactly on a midpoint: rows 42 and 43 moved to 1/16 on either side of x = 6.
    MaterialTable exact = t;
    for (const auto& [row, x] : {std::pair{42, 5.9375}, std::pair{43, 6.0625}}) {
        double& energy = exact.EnergyMeV[row] = std::exp(x - 4.606);
        for (int step = 0; step < 64 && CursorX(energy) != x; ++step)
            energy = std::nextafter(energy, CursorX(energy) < x ? 1e9 : 0.0);
        ASSERT_EQ(CursorX(energy), x) << row;
    }
    graphWindow().DrawMaterial(exact);
    EXPECT_EQ(RowAt(6.0f), 43);
    graphWindow().DrawMaterial(t);

    PictureBox& lower = *graphWindow().rangeGraph;
    const int y = lower.ToPixel(0, 7.0).y() + PictureBox::kBorderPixels;
    int previous = 0;
    for (int x = lower.ToPixel(0, 0).x() + 1; x < lower.ToPixel(11.5, 0).x(); ++x) {
        const QPointF at(x + PictureBox::kBorderPixels, y);
        QMouseEvent move(QEvent::MouseMove, at, lower.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&lower, &move);
        const int row = mainWindow().tableList->ListIndex() + 1;
        ASSERT_TRUE(row == previous || row == previous + 1) << previous << " to " << row;
        previous = row;
        // The selection ran the table list's click: the main window shows the row's values.
        ASSERT_EQ(mainWindow().rangeBox->Text(), Scientific(t.CsdaRange[row]));
    }
    EXPECT_EQ(previous, 81);
}

TEST_F(CursorReadOutTest, ReadOutNeverReadsBeyondTheTableOrTheList) {
    // Before any load only the pointer changes.
    graphWindow().ReadOut(*graphWindow().stoppingPowerGraph, 5.0f, 5.0f);
    EXPECT_EQ(graphWindow().stoppingPowerGraph->MousePointer(), kPointerCross);
    EXPECT_EQ(CursorLinesShown(), 0);
    EXPECT_EQ(mainWindow().tableList->ListIndex(), -1);
    // Energies 0.1 .. 100 MeV: the axis extends a decade past the table on both sides.
    TestMaterial narrow = SmoothMaterial("Narrow");
    for (int row = 1; row <= 81; ++row)
        narrow.energy[row] = 0.1 * std::pow(1000.0, (row - 1) / 80.0);
    LoadWithOk(narrow);
    EXPECT_EQ(RowAt(0.5f), 1);
    EXPECT_EQ(RowAt(11.4f, graphWindow().rangeGraph), 81);
    // An emptied list (the title window's start button does that): the lines still follow the
    // pointer; the main window's boxes stay as they were.
    RowAt(-1.0f);
    mainWindow().tableList->Clear();
    mainWindow().energyBox->SetText(QString());
    EXPECT_EQ(RowAt(5.0f), 0);
    EXPECT_EQ(CursorLinesShown(), 6);
    EXPECT_NEAR(graphWindow().rangeEnergyLine->X1(), 5.0, 0.05);  // half a row
    EXPECT_EQ(mainWindow().energyBox->Text(), QString());
}

}  // namespace
}  // namespace velmora::testing
