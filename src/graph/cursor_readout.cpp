// The graph window's cursor read-out: the table row nearest to the pointer along the energy axis.
#include <cmath>

#include "core/cursor_positions.h"
#include "core/energy_query.h"
#include "core/interpolation.h"
#include "core/material_table.h"
#include "graph/graph_geometry.h"
#include "graph/graph_window.h"
#include "toolkit/picture_box.h"

namespace velmora {
namespace {

// A pointer on a frame line counts as outside. The comparisons are in single precision, like the
// pointer position itself.
bool InsidePlotFrame(float x, float y) {
    constexpr float kRight = static_cast<float>(graph::kFrameRight);
    constexpr float kTop = static_cast<float>(graph::kFrameTop);
    return x > 0.0f && x < kRight && y > 0.0f && y < kTop;
}

// The row whose cursor position is nearest to x: the first row strictly right of x, or its left
// neighbour when that one is strictly nearer (a midpoint goes to the right-hand row). The search
// never passes row 81 and never looks left of row 1.
int NearestRow(const MaterialTable& table, float x) {
    int row = kFirstRow;
    while (row < kLastRow && static_cast<float>(CursorX(table.EnergyMeV[row])) <= x) {
        ++row;
    }
    if (row > kFirstRow) {
        const double right = CursorX(table.EnergyMeV[row]);
        const double left = CursorX(table.EnergyMeV[row - 1]);
        if (std::fabs(x - right) > std::fabs(x - left)) {
            --row;
        }
    }
    return row;
}

}  // namespace

void GraphWindow::ReadOut(PictureBox& graph, float x, float y) {
    if (!InsidePlotFrame(x, y)) {
        graph.SetMousePointer(kPointerArrow);
        SetCursorVisible(false);
        return;
    }
    graph.SetMousePointer(kPointerCross);
    const MaterialTable& table = shown_;  // the rows the graphs show
    if (!(table.EnergyMeV[kFirstRow] > 0.0)) {
        return;  // no table has been loaded: there is no row to show
    }
    const int row = NearestRow(table, x);
    MoveCursor(CursorPositionsOf(TabulatedRow(table, row)));
    SetCursorVisible(true);
    emit rowPointedAt(row);
}

}  // namespace velmora
