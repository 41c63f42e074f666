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

class QRadioButton;
class QTableWidget;

namespace velmora {

class EmittersWindow : public Window {
    Q_OBJECT
  public:
    // The nuclides to list (the bundled ones and the user's, with the user's file refused or not)
    // and the user's file, named in the notes.
    EmittersWindow(NuclideList nuclides, QString userFile);

    // Lists the figures of every nuclide in the loaded material, with the csda ranges of its
    // positron table or, when chosen and given, of its electron table (the literature's figures);
    // a table never loaded leaves the list empty with a note saying so. Without an electron table
    // the electron choice is disabled and whyNoElectrons shown beside it; a choice of electrons
    // comes back with the next material that has one. The chosen nuclide stays chosen and is
    // announced again.
    void ShowMaterial(const MaterialTable& positrons,
                      const std::optional<MaterialTable>& electrons = std::nullopt,
                      const QString& whyNoElectrons = QString());
    // Chooses the electron or the positron table, as a click on its button does; electrons are
    // taken only when the material has an electron table.
    void ChooseElectrons(bool electrons);
    // Whether the figures shown are the electron table's.
    bool ShowingElectrons() const;
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
    QRadioButton* positronChoice = nullptr;  // the csda ranges of the positron table
    QRadioButton* electronChoice = nullptr;  // those of the electron table, for the literature
    Label* electronReason = nullptr;         // why the electron table cannot be chosen

  signals:
    // A nuclide was chosen: its highest endpoint and its mean energy, in MeV.
    void nuclideChosen(double endpointMeV, double meanMeV);
    // No nuclide is chosen any more, or the window was closed.
    void nuclideCleared();

  private:
    void BuildControls();
    void BuildParticleChoice();
    // The table the figures come from: the electron table when chosen and there, else the
    // positron table.
    const MaterialTable& Shown() const;
    void FillRows();
    void FillBeyondColumn();
    void AnnounceChoice();
    QString Notice() const;

    NuclideList nuclides_;
    QString userFile_;
    MaterialTable positrons_;
    std::optional<MaterialTable> electrons_;
    bool electronsChosen_ = false;  // kept across materials without an electron table
    double thicknessMm_ = 1.0;
    QString cannotAnswer_;  // nuclides whose ranges the table cannot give
};

}  // namespace velmora
