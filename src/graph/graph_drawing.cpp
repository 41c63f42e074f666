// The graph window's drawing: caption, grids, curves, legend, frames and labels of both graphs.
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/material_table.h"
#include "core/number_format.h"
#include "graph/graph_geometry.h"
#include "graph/graph_window.h"
#include "toolkit/line_control.h"
#include "toolkit/palette.h"
#include "toolkit/picture_box.h"

namespace velmora {
namespace {

using graph::kFrameRight;
using graph::kFrameTop;

// Palette indices of the drawing colours.
constexpr int kBlue = 1;
constexpr int kGrey = 8;
constexpr int kLightRed = 12;
constexpr int kLightYellow = 14;
constexpr int kBrightWhite = 15;

constexpr double kLabelPoints = 14.0;
constexpr double kExponentPoints = 8.0;

// One decade on every axis; taken from the library rather than as a rounded constant.
double Ln10() {
    static const double ln10 = std::log(10.0);
    return ln10;
}

void PrintAt(PictureBox& box, double x, double y, const QString& text,
             PrintEnd end = PrintEnd::NewLine) {
    box.SetCurrentX(x);
    box.SetCurrentY(y);
    box.Print(text, end);
}

// "10" in 14-point type with the exponent in 8-point type right after it, on the same top line.
void PrintPowerOfTen(PictureBox& box, double x, double y, const char* exponent) {
    PrintAt(box, x, y, QStringLiteral("10"), PrintEnd::StayOnLine);
    box.SetFontSize(kExponentPoints);
    box.Print(QString::fromLatin1(exponent));
    box.SetFontSize(kLabelPoints);
}

// Grey lines at 1, 2, ..., 10 times each power of ten: six value decades, five energy decades.
void DrawGrid(PictureBox& box) {
    for (int i = 0; i <= 5; ++i) {
        for (int j = 1; j <= 10; ++j) {
            const double y = std::log(j) + i * Ln10();
            box.Line(0.0, y, kFrameRight, y, QBColor(kGrey));
        }
    }
    for (int i = 0; i <= 4; ++i) {
        for (int j = 1; j <= 10; ++j) {
            const double x = std::log(j) + i * Ln10();
            box.Line(x, 0.0, x, kFrameTop, QBColor(kGrey));
        }
    }
}

// The 81 rows joined in table order; the pen starts on the left frame line at row 1's value.
// decadesBelow puts the value 10^-decadesBelow at y = 0.
void DrawCurve(PictureBox& box, const MaterialTable& table, const TableColumn& values,
               int decadesBelow, int colorIndex) {
    const double yOffset = decadesBelow * Ln10();
    box.PSet(0.0, std::log(values[kFirstRow]) + yOffset);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        box.LineTo(std::log(table.EnergyMeV[row]) + 2.0 * Ln10(), std::log(values[row]) + yOffset,
                   QBColor(colorIndex));
    }
}

// A filled box that wipes grid and curves beneath it, three sample lines and a white outline.
void DrawLegendBox(PictureBox& box) {
    box.FilledBox(1.8, 10.0, 9.0, 13.2, QBColor(kBlue));
    box.Line(2.0, 12.9, 6.0, 12.9, QBColor(kBrightWhite));
    box.Line(2.0, 11.9, 6.0, 11.9, QBColor(kLightYellow));
    box.Line(2.0, 10.9, 6.0, 10.9, QBColor(kLightRed));
    box.Box(1.8, 10.0, 9.0, 13.2, QBColor(kBrightWhite));
}

void DrawLegendTexts(PictureBox& box) {
    box.SetFontSize(kLabelPoints);
    PrintAt(box, 2.5, 12.8,
            QCoreApplication::translate("velmora::GraphWindow", "Mass Stopping Power"));
    PrintAt(box, 2.5, 11.8,
            QCoreApplication::translate("velmora::GraphWindow", "Mass Collision Stopping Power"));
    PrintAt(box, 2.5, 10.8,
            QCoreApplication::translate("velmora::GraphWindow", "Mass Radiation Stopping Power"));
}

void DrawEnergyAxisLabels(PictureBox& box) {
    static constexpr const char* kExponents[] = {"-2", "-1", "0", "1", "2", "3"};
    double x = -0.4;
    for (const char* exponent : kExponents) {
        PrintPowerOfTen(box, x, -0.1, exponent);
        x += 2.3;
    }
    PrintAt(box, 3.0, -0.8,
            QCoreApplication::translate("velmora::GraphWindow", "Electron kinetic energy,    MeV"));
}

void DrawStoppingAxisLabels(PictureBox& box) {
    static constexpr struct {
        double y;
        const char* exponent;
    } kLabels[] = {{0.4, "-3"}, {2.6, "-2"}, {4.9, "-1"}, {7.2, "0"},
                   {9.5, "1"},  {11.8, "2"}, {14.1, "3"}};
    for (const auto& label : kLabels) {
        PrintPowerOfTen(box, -0.8, label.y, label.exponent);
    }
    // MeV over cm2/g.
    PrintAt(box, -1.3, 11.0, QStringLiteral("MeV"));
    box.SetFontSize(kLabelPoints);
    PrintAt(box, -1.3, 10.5, QStringLiteral("cm"), PrintEnd::StayOnLine);
    box.SetFontSize(kExponentPoints);
    box.Print(QStringLiteral("2"), PrintEnd::StayOnLine);
    box.SetFontSize(kLabelPoints);
    box.Print(QStringLiteral("/g"));
}

void DrawRangeAxisLabels(PictureBox& box) {
    box.SetFontSize(kLabelPoints);
    static constexpr struct {
        double y;
        const char* exponent;
    } kLabels[] = {{0.8, "-4"}, {4.9, "-2"}, {9.5, "0"}, {14.1, "2"}};
    for (const auto& label : kLabels) {
        PrintPowerOfTen(box, -0.8, label.y, label.exponent);
    }
    // csda over g/cm2; the box is left at 8 points.
    PrintAt(box, -1.3, 12.6, QCoreApplication::translate("velmora::GraphWindow", "csda"));
    PrintAt(box, -1.3, 11.2, QStringLiteral("g"), PrintEnd::StayOnLine);
    box.SetFontSize(kLabelPoints);
    box.Print(QStringLiteral("/cm"), PrintEnd::StayOnLine);
    box.SetFontSize(kExponentPoints);
    box.Print(QStringLiteral("2"));
}

// Dashed curves of the electron table in the colours of the positron curves, from the same pen
// start on the left frame line.
void DrawElectronCurve(PictureBox& box, const MaterialTable& electrons, const TableColumn& values,
                       int decadesBelow, int colorIndex) {
    const double yOffset = decadesBelow * Ln10();
    std::vector<QPointF> points{{0.0, std::log(values[kFirstRow]) + yOffset}};
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        points.emplace_back(std::log(electrons.EnergyMeV[row]) + 2.0 * Ln10(),
                            std::log(values[row]) + yOffset);
    }
    box.Curve(points, QBColor(colorIndex), true);
}

// A small legend in the lower right corner of a graph, where no curve runs: a solid sample line
// for the positrons and a dashed one for the electrons. It wipes what lies beneath it, like the
// main legend. The font size is left as it was.
void DrawParticleLegend(PictureBox& box, int colorIndex) {
    const double previousFontSize = box.FontSize();
    box.SetFontSize(kLabelPoints);
    const QString positrons = QCoreApplication::translate("velmora::GraphWindow", "Positrons");
    const QString electrons = QCoreApplication::translate("velmora::GraphWindow", "Electrons");
    const double line = box.TextHeight();
    const double margin = 0.2;
    const double sample = 1.2;
    const double right = kFrameRight - 0.2;
    const double bottom = 0.25;
    const double left =
        right - (margin + sample + margin +
                 std::max(box.TextWidth(positrons), box.TextWidth(electrons)) + margin);
    const double top = bottom + 2 * line + 2 * margin;
    box.FilledBox(left, bottom, right, top, QBColor(kBlue));
    box.Box(left, bottom, right, top, QBColor(kBrightWhite));
    const double textLeft = left + margin + sample + margin;
    const double sampleLeft = left + margin;
    const double firstTop = top - margin;
    const double secondTop = firstTop - line;
    box.Line(sampleLeft, firstTop - line / 2, sampleLeft + sample, firstTop - line / 2,
             QBColor(colorIndex));
    box.Curve({{sampleLeft, secondTop - line / 2}, {sampleLeft + sample, secondTop - line / 2}},
              QBColor(colorIndex), true);
    PrintAt(box, textLeft, firstTop, positrons);
    PrintAt(box, textLeft, secondTop, electrons);
    box.SetFontSize(previousFontSize);
}

}  // namespace

void GraphWindow::DrawMaterial(const MaterialTable& table) {
    shown_ = table;
    electrons_ = ReadElectronTable(table);
    DrawGraphs();
    Show();
}

void GraphWindow::SetCompareWithElectrons(bool on) {
    compare_ = on;
    UpdateContextMenu();
    if (!(shown_.EnergyMeV[kLastRow] > 0.0)) {
        return;  // nothing drawn yet
    }
    // A redraw hides the cursor lines; the comparison changes only the curves, not the marked row.
    std::array<bool, 6> shown{};
    for (size_t i = 0; i < shown.size(); ++i) {
        shown[i] = CursorLines()[i]->Visible();
    }
    DrawGraphs();
    for (size_t i = 0; i < shown.size(); ++i) {
        CursorLines()[i]->SetVisible(shown[i]);
    }
}

void GraphWindow::DrawGraphs() {
    DrawCaption(shown_);
    DrawStoppingPowerGraph(shown_);
    DrawRangeGraph(shown_);
    UpdateContextMenu();
}

void GraphWindow::DrawCaption(const MaterialTable& table) {
    SetCaption(tr("  %1     Density = %2[g/cm3]     (S/ρ)")
                   .arg(QString::fromStdString(table.MaterialName),
                        QString::fromStdString(FormatPattern(table.Density, "#0.000###"))));
}

void GraphWindow::DrawStoppingPowerGraph(const MaterialTable& table) {
    PictureBox& box = *stoppingPowerGraph;
    box.Cls();
    box.SetDrawWidth(1);
    DrawGrid(box);
    box.SetDrawWidth(2);
    // The electron curves lie under the positron curves and under the legend.
    const MaterialTable* electrons = ComparedElectrons();
    if (electrons) {
        DrawElectronCurve(box, *electrons, electrons->CollisionSP, 3, kLightYellow);
        DrawElectronCurve(box, *electrons, electrons->RadiativeSP, 3, kLightRed);
        DrawElectronCurve(box, *electrons, electrons->TotalSP, 3, kBrightWhite);
    }
    DrawCurve(box, table, table.CollisionSP, 3, kLightYellow);
    DrawCurve(box, table, table.RadiativeSP, 3, kLightRed);
    DrawCurve(box, table, table.TotalSP, 3, kBrightWhite);
    DrawLegendBox(box);
    DrawLegendTexts(box);
    if (electrons) {
        DrawParticleLegend(box, kBrightWhite);
    }
    box.Box(0.0, 0.0, kFrameRight, kFrameTop, QBColor(kBrightWhite));
    DrawEnergyAxisLabels(box);
    DrawStoppingAxisLabels(box);
    for (LineControl* line : {stoppingEnergyLine, collisionLine, radiativeLine, totalLine}) {
        line->SetVisible(false);
    }
}

void GraphWindow::DrawRangeGraph(const MaterialTable& table) {
    PictureBox& box = *rangeGraph;
    box.Cls();
    box.SetDrawWidth(1);
    DrawGrid(box);
    DrawRangeAxisLabels(box);
    box.SetDrawWidth(2);
    const MaterialTable* electrons = ComparedElectrons();
    if (electrons) {
        DrawElectronCurve(box, *electrons, electrons->CsdaRange, 4, kLightYellow);
    }
    DrawCurve(box, table, table.CsdaRange, 4, kLightYellow);
    if (electrons) {
        DrawParticleLegend(box, kLightYellow);
    }
    box.Box(0.0, 0.0, kFrameRight, kFrameTop, QBColor(kBrightWhite));
    rangeEnergyLine->SetVisible(false);
    rangeLine->SetVisible(false);
}

}  // namespace velmora
