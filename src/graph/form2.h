// The graph window: stopping powers and csda range on log-log axes, with six cursor lines.
#pragma once

#include "core/energy_query.h"
#include "toolkit/window.h"

namespace velmora {

class LineControl;
class PictureBox;

class Form2 : public Window {
    Q_OBJECT
  public:
    Form2();

    // Upper graph: total, collision and radiative mass stopping powers against kinetic energy.
    PictureBox* Picture1 = nullptr;
    // Lower graph: csda range against kinetic energy.
    PictureBox* Picture2 = nullptr;

    // Cursor lines. On Picture1: Line1 vertical (energy), Line2 collision, Line3 radiative,
    // Line4 total (horizontal). On Picture2: Line5 vertical (energy), Line6 csda range.
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    LineControl* Line4 = nullptr;
    LineControl* Line5 = nullptr;
    LineControl* Line6 = nullptr;

    // Clears and draws both graphs of the loaded material, hides the cursor lines and shows the
    // window: the second half of the main window's OK button.
    void DrawMaterial();

    // Moves the cursor lines to an energy and four values, all in user coordinates of the graphs,
    // setting both ends of each line: Line1, Line2, Line3, Line4, Line5, Line6 in this order.
    void MoveCursorLines(const CursorPositions& at);
    // Shows or hides Line1 to Line6, in this order.
    void SetCursorLinesVisible(bool visible);

    // Read-out for a pointer move to (x, y), user coordinates of the picture box under it: snaps
    // to the nearest table row, moves the cursor lines there and selects the row in the main
    // window's table list. Outside the plot frame it hides the lines instead.
    void ReadOut(PictureBox& box, float x, float y);

  private:
    void CreatePictureBoxes();
    void CreateCursorLines();

    void DrawCaption();
    void DrawStoppingPowerGraph();
    void DrawRangeGraph();
};

}  // namespace velmora
