// The graph window: stopping powers and csda range on log-log axes, with six cursor lines.
#pragma once

#include <QByteArray>
#include <array>

#include "core/cursor_positions.h"
#include "core/energy_query.h"
#include "core/material_table.h"
#include "graph/electron_table.h"
#include "toolkit/window.h"

class QAction;
class QMenu;
class QPainter;

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
    // shows the window. The material's electron table is read too; while the comparison is on,
    // its curves are drawn dashed beside the positron curves.
    void DrawMaterial(const MaterialTable& table);
    // The table drawn last (empty before the first) and its electron table, or why there is none.
    const MaterialTable& ShownTable() const { return shown_; }
    const ElectronTable& ShownElectrons() const { return electrons_; }

    // The context menu of both graphs: the comparison with electrons (on until turned off, also
    // across later materials), saving both graphs as one picture and copying the table.
    QMenu* contextMenu = nullptr;
    QAction* compareAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* copyAction = nullptr;
    // Opens the positron-emitters window (also Ctrl+E while the graph window is active).
    QAction* emittersAction = nullptr;

    // Turns the dashed electron curves on or off and draws the graphs again; the cursor lines
    // stay as they are.
    void SetCompareWithElectrons(bool on);
    bool ComparingWithElectrons() const;
    // Asks for a file and writes both graphs into it: PNG at the window's size or twice it, or
    // SVG. The file is written whole or not at all; a failure is reported.
    void SaveGraphsAs();
    // The table shown, with the electron columns while the comparison is on, on the clipboard.
    void CopyTable();
    // Both graphs as one picture, as PNG at the given scale or as SVG.
    QByteArray GraphsAsPng(double scale) const;
    QByteArray GraphsAsSvg() const;

    // Moves the cursor lines to an energy and four values, setting both ends of each line, in the
    // order energy, collision, radiative, total, the lower graph's energy, csda range.
    void MoveCursor(const CursorPositions& at);
    // Shows or hides the six cursor lines, in the same order.
    void SetCursorVisible(bool visible);

    // Marks of a positron emitter in a colour of their own (light magenta), apart from the cursor
    // lines: a vertical line at its endpoint energy and one at its mean energy on both graphs.
    // They stay where they are when a material is drawn, until hidden.
    void MarkEmitterEnergies(double endpointMeV, double meanMeV);
    void HideEmitterMarks();
    // The upper graph's endpoint and mean lines, then the lower graph's.
    std::array<LineControl*, 4> emitterLines{};

    // Read-out for a pointer move to (x, y), user coordinates of the graph under it: snaps to the
    // row of the table drawn last whose energy lies nearest, moves the cursor lines there and
    // announces the row. Outside the plot frame it hides the lines instead.
    void ReadOut(PictureBox& graph, float x, float y);

  signals:
    // The pointer on a graph snapped to this row (1..81) of the table.
    void rowPointedAt(int row);
    // The user asked for the positron-emitters window.
    void emittersRequested();

  private:
    void CreateGraphs();
    void CreateCursorLines();
    void CreateContextMenu();
    void CreateEmitterMarks();
    // The six cursor lines in their order: the upper graph's four, then the lower graph's two.
    std::array<LineControl*, 6> CursorLines() const;
    void UpdateContextMenu();

    void DrawCaption(const MaterialTable& table);
    void DrawGraphs();
    void DrawStoppingPowerGraph(const MaterialTable& table);
    void DrawRangeGraph(const MaterialTable& table);
    void PaintGraphs(QPainter& painter, double scale) const;
    // The electron table when it is to be drawn and copied, otherwise null.
    const MaterialTable* ComparedElectrons() const;

    MaterialTable shown_;      // the positron table the graphs show
    ElectronTable electrons_;  // its electron table, or why there is none
    bool compare_ = false;
};

}  // namespace velmora
