// The energy query of the main window: values at a typed energy or at a picked table row.
#include "app/forms.h"
#include "core/interpolation.h"
#include "core/material_table.h"
#include "core/number_format.h"
#include "graph/form2.h"
#include "main_window/form1.h"
#include "toolkit/list_box.h"
#include "toolkit/message_box.h"
#include "toolkit/text_box.h"

namespace velmora {
namespace {

constexpr int kKeyEnter = 13;
// The energies a query accepts, both ends included, in MeV.
constexpr double kLowestEnergyMeV = 0.01;
constexpr double kHighestEnergyMeV = 1000.0;

QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

// Written so that NaN fails it as well; an infinity is beyond the top.
bool WithinQueryRange(double energyMeV) {
    return energyMeV >= kLowestEnergyMeV && energyMeV <= kHighestEnergyMeV;
}

}  // namespace

void Form1::Text3KeyPress(int keyAscii) {
    if (keyAscii != kKeyEnter) {
        return;
    }
    const double energy = ReadNumber(Text3->TextUtf8());
    const MaterialTable& table = SharedMaterialTable();
    // One search serves all four columns. Above the table's last energy there is no pair of rows
    // to interpolate between, so such an energy is refused like one outside the range.
    const int upperRow = WithinQueryRange(energy) ? FindUpperRow(table, energy) : kEnergyAboveTable;
    if (upperRow == kEnergyAboveTable) {
        MsgBox(QStringLiteral("This energy is out of range."), kMsgExclamation);
        Text3->SetText(QString());
        return;
    }
    Text3->SetText(Scientific(energy));
    const double collision = InterpolateLogLog(table, table.CollisionSP, upperRow, energy);
    const double radiative = InterpolateLogLog(table, table.RadiativeSP, upperRow, energy);
    const double total = InterpolateLogLog(table, table.TotalSP, upperRow, energy);
    const double range = InterpolateLogLog(table, table.CsdaRange, upperRow, energy);
    Text7->SetText(Scientific(collision));
    Text8->SetText(Scientific(radiative));
    Text4->SetText(Scientific(total));
    Text5->SetText(Scientific(range));
    Form2& graph = form2();
    graph.MoveCursorLines(
        static_cast<float>(CursorX(energy)), static_cast<float>(CursorYStopping(collision)),
        static_cast<float>(CursorYStopping(radiative)), static_cast<float>(CursorYStopping(total)),
        static_cast<float>(CursorYRange(range)));
    graph.SetCursorLinesVisible(true);
}

void Form1::List1Click() {
    const int row = List1->ListIndex() + 1;
    if (row < kFirstRow || row > kLastRow) {
        return;  // no selection
    }
    const MaterialTable& table = SharedMaterialTable();
    Form2& graph = form2();
    graph.MoveCursorLines(static_cast<float>(CursorX(table.EnergyMeV[row])),
                          static_cast<float>(CursorYStopping(table.CollisionSP[row])),
                          static_cast<float>(CursorYStopping(table.RadiativeSP[row])),
                          static_cast<float>(CursorYStopping(table.TotalSP[row])),
                          static_cast<float>(CursorYRange(table.CsdaRange[row])));
    graph.SetCursorLinesVisible(true);
    Text3->SetText(Scientific(table.EnergyMeV[row]));
    Text7->SetText(Scientific(table.CollisionSP[row]));
    Text8->SetText(Scientific(table.RadiativeSP[row]));
    Text4->SetText(Scientific(table.TotalSP[row]));
    Text5->SetText(Scientific(table.CsdaRange[row]));
}

}  // namespace velmora
