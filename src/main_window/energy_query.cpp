// The energy query of the main window: values at a typed energy or at a picked table row.
#include "core/energy_query.h"
#include "core/number_format.h"
#include "core/shared_tables.h"
#include "main_window/main_window.h"
#include "toolkit/message_box.h"

namespace velmora {
namespace {

QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

}  // namespace

// Enter in the energy box: the four quantities interpolated at the typed energy, then the graphs
// mark them. Above the table's last energy there is no pair of rows to interpolate between, so
// such an energy is refused like one outside the range.
void MainWindow::AnswerTypedEnergy() {
    const double energy = ReadNumber(energyBox->TextUtf8());
    const std::optional<QuantitiesAtEnergy> values =
        InterpolateAtEnergy(SharedMaterialTable(), energy);
    if (!values) {
        MsgBox(tr("This energy is out of range."), kMsgExclamation);
        energyBox->SetText(QString());
        return;
    }
    ShowQueryValues(*values);
    emit valuesShown(*values);
}

// A row chosen in the table list: the graphs mark the row's own values, then the boxes show them.
void MainWindow::ShowTableRow() {
    const int row = tableList->ListIndex() + 1;
    if (row < kFirstRow || row > kLastRow) {
        return;  // no selection
    }
    const QuantitiesAtEnergy values = TabulatedRow(SharedMaterialTable(), row);
    emit valuesShown(values);
    ShowQueryValues(values);
}

void MainWindow::SelectTableRow(int row) {
    if (row >= kFirstRow && row - 1 < tableList->ListCount()) {
        tableList->SetListIndex(row - 1);
    }
}

void MainWindow::ShowQueryValues(const QuantitiesAtEnergy& values) {
    energyBox->SetText(Scientific(values.energyMeV));
    collisionBox->SetText(Scientific(values.collision));
    radiativeBox->SetText(Scientific(values.radiative));
    totalBox->SetText(Scientific(values.total));
    rangeBox->SetText(Scientific(values.csdaRange));
}

}  // namespace velmora
