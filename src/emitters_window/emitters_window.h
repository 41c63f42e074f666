// The positron-emitters window: how far the positrons of PET nuclides travel in the material loaded
// in the main window.
#pragma once

#include <QString>
#include <optional>

#include "core/material_table.h"
#include "core/positron_emitters.h"
#include "toolkit/button.h"
#include "toolkit/label.h"
#include "toolkit/text_box.h"
#include "toolkit/window.h"

class QTableWidget;

namespace velmora {

class EmittersWindow : public Window {
    Q_OBJECT
  public:
    // The nuclides to list (the bundled ones and the user's, with the user's file refused or not)
    // and the user's file, named in the notes.
    EmittersWindow(NuclideList nuclides, QString userFile);

    // Lists the figures of every nuclide in the table's material (csda ranges of the table's
    // particle); a table never loaded leaves the list empty with a note saying so. The chosen
    // nuclide stays chosen and is announced again.
    void ShowMaterial(const MaterialTable& table);
    // Shows the window and announces the chosen nuclide, if any, again.
    void ShowAndMark();
    // Chooses the nuclide of a row (-1: none), as a click on the row does.
    void ChooseRow(int row);
    int ChosenRow() const;
    // Reads the thickness box and fills the last column; a thickness that is not a positive
    // number is refused with a message and the column keeps its figures.
    void TakeThickness();

    Label* materialLabel = nullptr;
    Label* noticeLabel = nullptr;   // no material, the user's list refused, a table too short
    QTableWidget* table = nullptr;  // one row per nuclide
    TextBox* thicknessBox = nullptr;
    Label* boundNote = nullptr;  // the share beyond is an upper bound
    Label* marksNote = nullptr;  // what the marks on the graphs are
    Button* closeButton = nullptr;

  signals:
    // A nuclide was chosen: its highest endpoint and its mean energy, in MeV.
    void nuclideChosen(double endpointMeV, double meanMeV);
    // No nuclide is chosen any more, or the window was closed.
    void nuclideCleared();

  private:
    void BuildControls();
    void FillRows();
    void FillBeyondColumn();
    void AnnounceChoice();
    QString Notice() const;

    NuclideList nuclides_;
    QString userFile_;
    MaterialTable shown_;
    double thicknessMm_ = 1.0;
    QString cannotAnswer_;  // nuclides whose ranges the table cannot give
};

}  // namespace velmora
