// The energy query of the main window: values at a typed energy or at a picked table row.
#include "core/energy_query.h"
#include "app/forms.h"
#include "core/number_format.h"
#include "graph/form2.h"
#include "main_window/form1.h"
#include "toolkit/list_box.h"
#include "toolkit/message_box.h"
#include "toolkit/text_box.h"

namespace velmora {
namespace {

constexpr int kKeyEnter = 13;

QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

}  // namespace

void Form1::Text3KeyPress(int keyAscii) {
    if (keyAscii != kKeyEnter) {
        return;
    }
    const double energy = ReadNumber(Text3->TextUtf8());
    // Above the table's last energy there is no pair of rows to interpolate between, so such an
    // energy is refused like one outside the range.
    const std::optional<QuantitiesAtEnergy> values =
        InterpolateAtEnergy(SharedMaterialTable(), energy);
    if (!values) {
        MsgBox(QStringLiteral("This energy is out of range."), kMsgExclamation);
        Text3->SetText(QString());
        return;
    }
    Text3->SetText(Scientific(energy));
    Text7->SetText(Scientific(values->collision));
    Text8->SetText(Scientific(values->radiative));
    Text4->SetText(Scientific(values->total));
    Text5->SetText(Scientific(values->csdaRange));
    Form2& graph = form2();
    graph.MoveCursorLines(CursorPositionsOf(*values));
    graph.SetCursorLinesVisible(true);
}

void Form1::List1Click() {
    const int row = List1->ListIndex() + 1;
    if (row < kFirstRow || row > kLastRow) {
        return;  // no selection
    }
    const QuantitiesAtEnergy values = TabulatedRow(SharedMaterialTable(), row);
    Form2& graph = form2();
    graph.MoveCursorLines(CursorPositionsOf(values));
    graph.SetCursorLinesVisible(true);
    Text3->SetText(Scientific(values.energyMeV));
    Text7->SetText(Scientific(values.collision));
    Text8->SetText(Scientific(values.radiative));
    Text4->SetText(Scientific(values.total));
    Text5->SetText(Scientific(values.csdaRange));
}

}  // namespace velmora
