// The main window: material selection, head values, the table list and the energy query.
#pragma once

#include "toolkit/button.h"
#include "toolkit/file_list_box.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {

class Form1 : public Window {
    Q_OBJECT
  public:
    Form1();

    // Start-up state: runs once, when the window is first referred to.
    void Load();

    // Energy query: Enter in the energy box interpolates the four quantities there; a click in the
    // table list shows that row's own values. Both move the graph window's cursor lines.
    void Text3KeyPress(int keyAscii);
    void List1Click();

    // Material files: elements in "p_QRV", compounds and mixtures in "p_STC".
    FileListBox* File1 = nullptr;
    FileListBox* File2 = nullptr;
    // Head values of the chosen file: name, density, mean excitation energy.
    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text6 = nullptr;
    // The loaded material's table, one display line per tabulated energy.
    ListBox* List1 = nullptr;
    // Energy query: energy, then collision, radiative, total stopping power and csda range.
    TextBox* Text3 = nullptr;
    TextBox* Text7 = nullptr;
    TextBox* Text8 = nullptr;
    TextBox* Text4 = nullptr;
    TextBox* Text5 = nullptr;
    Button* Command1 = nullptr;  // back to the title window
    Button* Command2 = nullptr;  // OK: load, list and plot the chosen material
    Button* Command3 = nullptr;  // start a new typed energy
    Button* Command4 = nullptr;  // term window
    Button* Command5 = nullptr;  // equal-interval table window
    Label* Picture1 = nullptr;   // decoration: the small dog

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

    void FileClick(FileListBox& clicked, const QString& folder, FileListBox& other);
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();
    void ClearQueryBoxes();
    void ResetQueryBlock();
    void FillTableList();
};

}  // namespace velmora
