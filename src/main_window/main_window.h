// The main window: material selection, head values, the table list and the energy query.
#pragma once

#include "core/energy_query.h"
#include "toolkit/button.h"
#include "toolkit/file_list_box.h"
#include "toolkit/list_box.h"
#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {

class Label;

class MainWindow : public Window {
    Q_OBJECT
  public:
    MainWindow();

    // Start-up state: runs once, when the window is first needed.
    void Load();
    // What the title window's start button asks for: the table list and the eight boxes emptied,
    // both file lists read again with nothing chosen, the table button disabled, no file chosen,
    // and the window shown. The query boxes keep their enabled state and the shared table keeps
    // the material loaded last.
    void StartAfresh();
    // Selects the table list's row (1..81) as a click on it does, which shows the row's values;
    // a row the list does not hold (it was emptied by a new start) is not selected.
    void SelectTableRow(int row);

    // Material files: elements in "p_QRV", compounds and mixtures in "p_STC".
    FileListBox* elementList = nullptr;
    FileListBox* compoundList = nullptr;
    // Head values of the chosen file: name, density, mean excitation energy.
    TextBox* materialNameBox = nullptr;
    TextBox* densityBox = nullptr;
    TextBox* meanExcitationBox = nullptr;
    // The loaded material's table, one display line per tabulated energy.
    ListBox* tableList = nullptr;
    // Energy query: the energy, then collision, radiative, total stopping power and csda range.
    TextBox* energyBox = nullptr;
    TextBox* collisionBox = nullptr;
    TextBox* radiativeBox = nullptr;
    TextBox* totalBox = nullptr;
    TextBox* rangeBox = nullptr;
    Button* backButton = nullptr;           // back to the title window
    Button* okButton = nullptr;             // load, list and plot the chosen material
    Button* newEnergyButton = nullptr;      // empties the query for a new typed energy
    Button* termsButton = nullptr;          // the explanation of terms
    Button* intervalTableButton = nullptr;  // the equal-interval table window

  signals:
    // A material's table was loaded into the shared table and listed: the graphs show it.
    void materialLoaded();
    // Values were shown in the query boxes: the graphs' cursor lines mark them.
    void valuesShown(const velmora::QuantitiesAtEnergy& values);
    void backRequested();
    void termsRequested();
    void intervalTableRequested();

  private:
    void BuildFileLists();
    void BuildHeadBoxes();
    void BuildTableList();
    void BuildTableHeader();
    void BuildQueryBlock();
    void BuildButtons();
    void ConnectHandlers();
    Label* AddLabel(const QString& text, int left, int top, int width, int height);
    Label* AddRaisedDigit(const QString& digit, int leftPixels, int topPixels);
    // before, a raised "2" and after on one line from (leftPixels, topPixels) in the font.
    void AddUnitWithSquare(const QString& before, const QString& after, const QFont& font,
                           int leftPixels, int topPixels);

    void ShowChosenFileHead(FileListBox& clicked, const QString& folder, FileListBox& other);
    void LoadChosenMaterial();
    void EnableQueryAndEmptyTable();
    void FillTableList();
    void AnswerTypedEnergy();
    void ShowTableRow();
    void ShowQueryValues(const QuantitiesAtEnergy& values);
    void StartNewEnergy();
    void EmptyQueryBoxes();
};

}  // namespace velmora
