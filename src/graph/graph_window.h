// The graph window: stopping powers and csda range on log-log axes, with six cursor lines.
#pragma once

#include "core/energy_query.h"
#include "core/material_table.h"
#include "toolkit/window.h"

namespace velmora {

class LineControl;
class PictureBox;

class GraphWindow : public Window {
    Q_OBJECT
  public:
    GraphWindow();

    // Upper graph: total, collision and radiative mass stopping powers against kinetic energy.
    PictureBox* stoppingPowerGraph = nullptr;
    // Lower graph: csda range against kinetic energy.
    PictureBox* rangeGraph = nullptr;

    // Cursor lines. On the upper graph a vertical line at the energy and horizontal lines at the
    // collision, radiative and total stopping powers; on the lower graph a vertical line at the
    // energy and a horizontal one at the csda range.
    LineControl* stoppingEnergyLine = nullptr;
    LineControl* collisionLine = nullptr;
    LineControl* radiativeLine = nullptr;
    LineControl* totalLine = nullptr;
    LineControl* rangeEnergyLine = nullptr;
    LineControl* rangeLine = nullptr;

    // Sets the caption, clears and draws both graphs of the table, hides the cursor lines and
    // shows the window.
    void DrawMaterial(const MaterialTable& table);

    // Moves the cursor lines to an energy and four values, setting both ends of each line, in the
    // order energy, collision, radiative, total, the lower graph's energy, csda range.
    void MoveCursor(const CursorPositions& at);
    // Shows or hides the six cursor lines, in the same order.
    void SetCursorVisible(bool visible);

    // Read-out for a pointer move to (x, y), user coordinates of the graph under it: snaps to the
    // row of the table whose energy lies nearest, moves the cursor lines there and announces the
    // row. Outside the plot frame it hides the lines instead.
    void ReadOut(PictureBox& graph, float x, float y);

  signals:
    // The pointer on a graph snapped to this row (1..81) of the table.
    void rowPointedAt(int row);

  private:
    void CreateGraphs();
    void CreateCursorLines();

    void DrawCaption(const MaterialTable& table);
    void DrawStoppingPowerGraph(const MaterialTable& table);
    void DrawRangeGraph(const MaterialTable& table);
};

}  // namespace velmora
