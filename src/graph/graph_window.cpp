// The graph window's layout: two picture boxes with fixed user coordinates and six cursor lines.
#include "graph/graph_window.h"

#include <QMenu>
#include <QSignalBlocker>

#include "core/interpolation.h"
#include "graph/graph_geometry.h"
#include "toolkit/fonts.h"
#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"

namespace velmora {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kLightCyan(0, 255, 255);
const QColor kLightYellow(255, 255, 0);
const QColor kLightRed(255, 0, 0);
const QColor kLightMagenta(255, 0, 255);  // the emitter marks; no curve or cursor line has it

// Navy surface, white text and lines where no colour is given, Times New Roman.
void StyleGraph(PictureBox& box) {
    box.SetForeColor(kWhite);
    box.SetBackColor(kNavy);
    box.SetFontName(kFontTimesNewRoman);
}

}  // namespace

GraphWindow::GraphWindow() : Window(QString(), 8160, 11145) {
    CreateGraphs();
    CreateCursorLines();
    CreateEmitterMarks();
    CreateContextMenu();
}

void GraphWindow::CreateGraphs() {
    using namespace graph;
    // Sizes in twips include the boxes' two-pixel borders.
    stoppingPowerGraph = new PictureBox(this, 120, 120, 7935, 7335);
    stoppingPowerGraph->setAccessibleName(QStringLiteral("Mass stopping power graph"));
    StyleGraph(*stoppingPowerGraph);
    stoppingPowerGraph->SetScale(kScaleLeft, kStoppingScaleTop, kScaleWidth, kStoppingScaleHeight);

    rangeGraph = new PictureBox(this, 120, 7560, 7935, 3495);
    rangeGraph->setAccessibleName(QStringLiteral("Csda range graph"));
    StyleGraph(*rangeGraph);
    rangeGraph->SetScale(kScaleLeft, kRangeScaleTop, kScaleWidth, kRangeScaleHeight);

    auto readOut = [this](PictureBox* box) {
        return [this, box](int, int, float x, float y) { ReadOut(*box, x, y); };
    };
    stoppingPowerGraph->onMouseMove = readOut(stoppingPowerGraph);
    rangeGraph->onMouseMove = readOut(rangeGraph);
    for (PictureBox* graph : {stoppingPowerGraph, rangeGraph}) {
        // A graph takes the focus, so that the menu key and Shift+F10 open its menu.
        graph->setFocusPolicy(Qt::StrongFocus);
        graph->onContextMenu = [this](QPoint at) {
            UpdateContextMenu();
            contextMenu->exec(at);
        };
    }
}

void GraphWindow::CreateContextMenu() {
    contextMenu = new QMenu(this);
    contextMenu->setToolTipsVisible(true);
    compareAction = contextMenu->addAction(tr("Compare with electrons"));
    compareAction->setCheckable(true);
    connect(compareAction, &QAction::toggled, this, [this](bool on) {
        if (on != compare_) {
            SetCompareWithElectrons(on);
        }
    });
    saveAction = contextMenu->addAction(tr("Save graphs as..."));
    connect(saveAction, &QAction::triggered, this, [this] { SaveGraphsAs(); });
    copyAction = contextMenu->addAction(tr("Copy table"));
    connect(copyAction, &QAction::triggered, this, [this] { CopyTable(); });
    contextMenu->addSeparator();
    emittersAction = contextMenu->addAction(tr("Positron emitters..."));
    emittersAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    addAction(emittersAction);  // the shortcut works without the menu
    connect(emittersAction, &QAction::triggered, this, [this] { emit emittersRequested(); });
    UpdateContextMenu();
}

// Before a material is drawn there is nothing to compare, save or copy; without an electron table
// the comparison cannot be turned on, and its tool tip says why.
void GraphWindow::UpdateContextMenu() {
    const bool drawn = shown_.EnergyMeV[kLastRow] > 0.0;
    const bool electronsThere = electrons_.table.has_value();
    compareAction->setEnabled(electronsThere);
    const QString why = drawn ? electrons_.unavailable : tr("No material is shown yet.");
    compareAction->setToolTip(electronsThere ? tr("Draws the electron curves dashed beside the "
                                                  "positron curves.")
                                             : why);
    compareAction->setStatusTip(compareAction->toolTip());
    {
        const QSignalBlocker blocker(compareAction);
        compareAction->setChecked(compare_);
    }
    saveAction->setEnabled(drawn);
    copyAction->setEnabled(drawn);
}

bool GraphWindow::ComparingWithElectrons() const {
    return compare_;
}

const MaterialTable* GraphWindow::ComparedElectrons() const {
    return compare_ && electrons_.table ? &*electrons_.table : nullptr;
}

void GraphWindow::CreateCursorLines() {
    // Fixed ends as laid out; the moving coordinate starts at 0. The lines stay hidden until a
    // query or a move over a graph places them.
    stoppingEnergyLine = &stoppingPowerGraph->AddLine(kLightCyan, 0.0f, 13.76f, 0.0f, 0.0f);
    collisionLine = &stoppingPowerGraph->AddLine(kLightYellow, -0.06f, 0.0f, 11.44f, 0.0f);
    radiativeLine = &stoppingPowerGraph->AddLine(kLightRed, 0.0f, 0.0f, 11.5f, 0.0f);
    totalLine = &stoppingPowerGraph->AddLine(kWhite, 0.0f, 0.0f, 11.5f, 0.0f);
    rangeEnergyLine = &rangeGraph->AddLine(kLightCyan, 0.0f, 13.75f, 0.0f, 0.0f);
    rangeLine = &rangeGraph->AddLine(kLightYellow, 0.0f, 0.0f, 11.5f, 0.0f);
    SetCursorVisible(false);
}

void GraphWindow::CreateEmitterMarks() {
    const auto vertical = [](PictureBox& graph, float top) {
        return &graph.AddLine(kLightMagenta, 0.0f, top, 0.0f, 0.0f);
    };
    emitterLines = {vertical(*stoppingPowerGraph, 13.76f), vertical(*stoppingPowerGraph, 13.76f),
                    vertical(*rangeGraph, 13.75f), vertical(*rangeGraph, 13.75f)};
    HideEmitterMarks();
}

void GraphWindow::MarkEmitterEnergies(double endpointMeV, double meanMeV) {
    const float endpointX = static_cast<float>(CursorX(endpointMeV));
    const float meanX = static_cast<float>(CursorX(meanMeV));
    for (std::size_t k = 0; k < emitterLines.size(); ++k) {
        const float x = k % 2 == 0 ? endpointX : meanX;
        emitterLines[k]->SetX1(x);
        emitterLines[k]->SetX2(x);
        emitterLines[k]->SetVisible(true);
    }
}

void GraphWindow::HideEmitterMarks() {
    for (LineControl* line : emitterLines) {
        line->SetVisible(false);
    }
}

void GraphWindow::MoveCursor(const CursorPositions& at) {
    stoppingEnergyLine->SetX1(at.energyX);
    stoppingEnergyLine->SetX2(stoppingEnergyLine->X1());
    collisionLine->SetY1(at.collisionY);
    collisionLine->SetY2(collisionLine->Y1());
    radiativeLine->SetY1(at.radiativeY);
    radiativeLine->SetY2(radiativeLine->Y1());
    totalLine->SetY1(at.totalY);
    totalLine->SetY2(totalLine->Y1());
    rangeEnergyLine->SetX1(stoppingEnergyLine->X1());
    rangeEnergyLine->SetX2(stoppingEnergyLine->X2());
    rangeLine->SetY1(at.rangeY);
    rangeLine->SetY2(rangeLine->Y1());
}

std::array<LineControl*, 6> GraphWindow::CursorLines() const {
    return {stoppingEnergyLine, collisionLine,   radiativeLine,
            totalLine,          rangeEnergyLine, rangeLine};
}

void GraphWindow::SetCursorVisible(bool visible) {
    for (LineControl* line : CursorLines()) {
        line->SetVisible(visible);
    }
}

}  // namespace velmora
