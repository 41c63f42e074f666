// The graph read-out: frame test, nearest row, the six lines and the main window's table list.
#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <limits>

#include "graph_test_support.h"

namespace velmora::testing {
namespace {

float Up(float x) {
    return std::nextafter(x, std::numeric_limits<float>::infinity());
}
float Down(float x) {
    return std::nextafter(x, -std::numeric_limits<float>::infinity());
}

// A real pointer move over a picture box, at a client pixel.
void MoveTo(PictureBox& box, QPoint clientPixel) {
    const QPointF local(clientPixel + QPoint(PictureBox::kBorderPixels, PictureBox::kBorderPixels));
    QMouseEvent move(QEvent::MouseMove, local, box.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
}

std::vector<LineControl*> Lines(Form2& graph) {
    return {graph.Line1, graph.Line2, graph.Line3, graph.Line4, graph.Line5, graph.Line6};
}

class CursorReadOutTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        LoadWithOk(SmoothMaterial("Readout"));
    }

    // The row the read-out selects for a pointer at x over Picture1 (1-based, 0: none).
    int RowAt(float x, float y = 7.0f) {
        form2().ReadOut(*form2().Picture1, x, y);
        return form1().List1->ListIndex() + 1;
    }
};

TEST_F(CursorReadOutTest, EachRowOwnsTheStretchBetweenTheMidpointsAroundIt) {
    const MaterialTable& table = SharedMaterialTable();
    for (int row = 2; row <= kLastRow; ++row) {
        const double left = CursorX(table.EnergyMeV[row - 1]);
        const double right = CursorX(table.EnergyMeV[row]);
        const double midpoint = (left + right) / 2.0;
        // The single-precision pointer positions next to the midpoint, one on each side.
        float below = static_cast<float>(midpoint);
        while (!(std::fabs(below - left) < std::fabs(below - right))) {
            below = Down(below);
        }
        float above = Up(below);
        while (std::fabs(above - left) < std::fabs(above - right)) {
            above = Up(above);
        }
        if (below <= 0.0f) {
            continue;  // left of the frame
        }
        EXPECT_EQ(RowAt(below), row - 1) << "row " << row;
        EXPECT_EQ(RowAt(above), row) << "row " << row;
        EXPECT_EQ(RowAt(static_cast<float>(right)), row) << "row " << row;
    }
    // Row 1 up to the first midpoint, even left of its own cursor position (about 0.00083);
    // row 81 (cursor position 11.514, right of the frame) up to the frame's right edge.
    EXPECT_EQ(RowAt(std::numeric_limits<float>::denorm_min()), 1);
    EXPECT_EQ(RowAt(0.0004f), 1);
    EXPECT_EQ(RowAt(Down(11.5f)), 81);
}

TEST_F(CursorReadOutTest, PointerOnOrOutsideTheFrameHidesTheLinesAndKeepsTheSelection) {
    Form2& graph = form2();
    for (PictureBox* box : {graph.Picture1, graph.Picture2}) {
        const struct {
            float x, y;
        } edges[] = {{0.0f, 5.0f},  {11.5f, 5.0f},  {5.0f, 0.0f},  {5.0f, 13.8f},
                     {-1.0f, 5.0f}, {5.0f, -0.05f}, {11.9f, 13.0f}};
        for (const auto& edge : edges) {
            graph.ReadOut(*box, 5.0f, 7.0f);
            const int selected = form1().List1->ListIndex();
            const QString energy = form1().Text3->Text();
            ASSERT_EQ(box->MousePointer(), kPointerCross);
            graph.ReadOut(*box, edge.x, edge.y);
            EXPECT_EQ(box->MousePointer(), kPointerArrow) << edge.x << "," << edge.y;
            for (const LineControl* line : Lines(graph)) {
                EXPECT_FALSE(line->Visible()) << edge.x << "," << edge.y;
            }
            EXPECT_EQ(form1().List1->ListIndex(), selected);
            EXPECT_EQ(form1().Text3->Text(), energy);
        }
        // Just inside each frame line counts as inside.
        for (const auto& inside : {std::pair{Up(0.0f), 5.0f}, std::pair{Down(11.5f), 5.0f},
                                   std::pair{5.0f, Up(0.0f)}, std::pair{5.0f, Down(13.8f)}}) {
            graph.ReadOut(*box, inside.first, inside.second);
            EXPECT_EQ(box->MousePointer(), kPointerCross);
            EXPECT_TRUE(graph.Line1->Visible() && graph.Line6->Visible());
        }
    }
}

TEST_F(CursorReadOutTest, BothGraphsSelectTheSameRowAndPlaceAllSixLines) {
    Form2& graph = form2();
    const MaterialTable& table = SharedMaterialTable();
    for (const float x : {0.3f, 2.0f, 4.6f, 7.77f, 11.2f}) {
        graph.ReadOut(*graph.Picture1, x, 13.0f);
        const int upperRow = form1().List1->ListIndex() + 1;
        graph.ReadOut(*graph.Picture1, 0.0f, 0.0f);  // leave the frame in between
        graph.ReadOut(*graph.Picture2, x, 0.5f);
        const int row = form1().List1->ListIndex() + 1;
        EXPECT_EQ(row, upperRow) << x;
        // The lines mark the row's tabulated values on both graphs.
        EXPECT_EQ(graph.Line1->X1(), static_cast<float>(CursorX(table.EnergyMeV[row])));
        EXPECT_EQ(graph.Line2->Y1(), static_cast<float>(CursorYStopping(table.CollisionSP[row])));
        EXPECT_EQ(graph.Line3->Y1(), static_cast<float>(CursorYStopping(table.RadiativeSP[row])));
        EXPECT_EQ(graph.Line4->Y1(), static_cast<float>(CursorYStopping(table.TotalSP[row])));
        EXPECT_EQ(graph.Line6->Y1(), static_cast<float>(CursorYRange(table.CsdaRange[row])));
        for (const LineControl* line : Lines(graph)) {
            EXPECT_TRUE(line->Visible());
        }
        // Both ends of each line move together; the vertical lines of both graphs agree.
        EXPECT_EQ(graph.Line5->X1(), graph.Line1->X1());
        for (const LineControl* line : {graph.Line1, graph.Line5}) {
            EXPECT_EQ(line->X2(), line->X1());
        }
        for (const LineControl* line : {graph.Line2, graph.Line3, graph.Line4, graph.Line6}) {
            EXPECT_EQ(line->Y2(), line->Y1());
        }
    }
}

TEST_F(CursorReadOutTest, MovingAcrossAGraphFillsTheMainWindowRowByRow) {
    Form2& graph = form2();
    PictureBox& lower = *graph.Picture2;
    const MaterialTable& table = SharedMaterialTable();
    const int y = lower.ToPixel(0, 7.0).y();
    int previous = 0;
    int visited = 0;
    for (int x = lower.ToPixel(0, 0).x() + 1; x < lower.ToPixel(11.5, 0).x(); ++x) {
        MoveTo(lower, QPoint(x, y));
        const int row = form1().List1->ListIndex() + 1;
        ASSERT_GE(row, previous);
        visited += row != previous ? 1 : 0;
        previous = row;
        EXPECT_EQ(lower.MousePointer(), kPointerCross);
        // The selection ran the table list's click: the main window shows the row's values.
        ASSERT_EQ(form1().Text3->Text(), Scientific(table.EnergyMeV[row]));
        ASSERT_EQ(form1().Text7->Text(), Scientific(table.CollisionSP[row]));
        ASSERT_EQ(form1().Text8->Text(), Scientific(table.RadiativeSP[row]));
        ASSERT_EQ(form1().Text4->Text(), Scientific(table.TotalSP[row]));
        ASSERT_EQ(form1().Text5->Text(), Scientific(table.CsdaRange[row]));
    }
    // Sixteen rows per decade at about 18 pixels per decade: nearly every row is passed.
    EXPECT_GT(visited, 60);
    EXPECT_EQ(previous, 81);
    // Leaving the frame hides the lines; the main window keeps the last row.
    MoveTo(lower, QPoint(lower.ToPixel(11.9, 0).x(), y));
    EXPECT_FALSE(graph.Line1->Visible());
    EXPECT_EQ(form1().List1->ListIndex(), 80);
    EXPECT_EQ(form1().Text3->Text(), Scientific(table.EnergyMeV[81]));
}

class CursorReadOutEdgeTest : public GraphTest {};

TEST_F(CursorReadOutEdgeTest, TableWithinPartOfTheAxisNeverReadsBeyondItsRows) {
    // Energies 0.1 .. 100 MeV: the axis extends a decade past the table on both sides.
    TestMaterial narrow = SmoothMaterial("Narrow");
    for (int row = 1; row <= 81; ++row) {
        narrow.energy[row] = FileRounded(0.1 * std::pow(10.0, (row - 1) / 26.6667));
    }
    LoadWithOk(narrow);
    Form2& graph = form2();
    graph.ReadOut(*graph.Picture1, 0.5f, 5.0f);
    EXPECT_EQ(form1().List1->ListIndex(), 0);
    graph.ReadOut(*graph.Picture2, 11.4f, 5.0f);
    EXPECT_EQ(form1().List1->ListIndex(), 80);
    EXPECT_EQ(graph.Line1->X1(), static_cast<float>(CursorX(SharedMaterialTable().EnergyMeV[81])));
}

TEST_F(CursorReadOutEdgeTest, WithoutATableListTheReadOutOnlyMovesThePointer) {
    // The graph window before any load: no row to show, nothing fails.
    Form2& graph = form2();
    graph.ReadOut(*graph.Picture1, 5.0f, 5.0f);
    EXPECT_EQ(graph.Picture1->MousePointer(), kPointerCross);
    EXPECT_FALSE(graph.Line1->Visible());
    EXPECT_EQ(form1().List1->ListIndex(), -1);

    // A loaded table whose list was emptied (the title window's start button does that): the
    // lines still follow the pointer; the main window's boxes stay as they were.
    ResetProgramState();
    LoadWithOk(SmoothMaterial());
    form1().List1->Clear();
    form1().Text3->SetText(QString());
    form2().ReadOut(*form2().Picture1, 5.0f, 5.0f);
    EXPECT_TRUE(form2().Line1->Visible());
    EXPECT_EQ(form1().List1->ListIndex(), -1);
    EXPECT_EQ(form1().Text3->Text(), QString());
}

}  // namespace
}  // namespace velmora::testing
