// The graph window's layout: two picture boxes with fixed user coordinates and six cursor lines.
#include "graph/form2.h"

#include "app/forms.h"
#include "graph/graph_geometry.h"
#include "main_window/form1.h"
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

// Navy surface, white text and lines where no colour is given, Times New Roman.
void StyleGraph(PictureBox& box) {
    box.SetForeColor(kWhite);
    box.SetBackColor(kNavy);
    box.SetFontName(kFontTimesNewRoman);
}

}  // namespace

Form2::Form2() : Window(QString(), 8160, 11145) {
    CreatePictureBoxes();
    CreateCursorLines();
    // Beside the main window, so that its values stay readable while the pointer runs along a
    // graph.
    firstPosition = [this] {
        if (!Form1Exists() || !form1().isVisible()) {
            return geometry().topLeft();
        }
        const QRect main = form1().frameGeometry();
        return QPoint(main.right() + 1 + 8, main.top());
    };
}

void Form2::CreatePictureBoxes() {
    using namespace graph;
    // Sizes in twips include the boxes' two-pixel borders.
    Picture1 = new PictureBox(this, 120, 120, 7935, 7335);
    Picture1->setAccessibleName(QStringLiteral("Mass stopping power graph"));
    StyleGraph(*Picture1);
    Picture1->SetScale(kScaleLeft, kStoppingScaleTop, kScaleWidth, kStoppingScaleHeight);

    Picture2 = new PictureBox(this, 120, 7560, 7935, 3495);
    Picture2->setAccessibleName(QStringLiteral("Csda range graph"));
    StyleGraph(*Picture2);
    Picture2->SetScale(kScaleLeft, kRangeScaleTop, kScaleWidth, kRangeScaleHeight);

    auto readOut = [this](PictureBox* box) {
        return [this, box](int, int, float x, float y) { ReadOut(*box, x, y); };
    };
    Picture1->onMouseMove = readOut(Picture1);
    Picture2->onMouseMove = readOut(Picture2);
}

void Form2::CreateCursorLines() {
    // Fixed ends as laid out; the moving coordinate starts at 0. The lines stay hidden until a
    // query or a move over a graph places them.
    Line1 = &Picture1->AddLine(kLightCyan, 0.0f, 13.76f, 0.0f, 0.0f);
    Line2 = &Picture1->AddLine(kLightYellow, -0.06f, 0.0f, 11.44f, 0.0f);
    Line3 = &Picture1->AddLine(kLightRed, 0.0f, 0.0f, 11.5f, 0.0f);
    Line4 = &Picture1->AddLine(kWhite, 0.0f, 0.0f, 11.5f, 0.0f);
    Line5 = &Picture2->AddLine(kLightCyan, 0.0f, 13.75f, 0.0f, 0.0f);
    Line6 = &Picture2->AddLine(kLightYellow, 0.0f, 0.0f, 11.5f, 0.0f);
    SetCursorLinesVisible(false);
}

void Form2::MoveCursorLines(const CursorPositions& at) {
    Line1->SetX1(at.energyX);
    Line1->SetX2(Line1->X1());
    Line2->SetY1(at.collisionY);
    Line2->SetY2(Line2->Y1());
    Line3->SetY1(at.radiativeY);
    Line3->SetY2(Line3->Y1());
    Line4->SetY1(at.totalY);
    Line4->SetY2(Line4->Y1());
    Line5->SetX1(Line1->X1());
    Line5->SetX2(Line1->X2());
    Line6->SetY1(at.rangeY);
    Line6->SetY2(Line6->Y1());
}

void Form2::SetCursorLinesVisible(bool visible) {
    for (LineControl* line : {Line1, Line2, Line3, Line4, Line5, Line6}) {
        line->SetVisible(visible);
    }
}

}  // namespace velmora
