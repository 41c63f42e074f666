// The equal-interval table window: computes, lists and saves stopping powers at equal energy steps.
#pragma once

#include <optional>

#include "core/interval_calculation.h"
#include "toolkit/button.h"
#include "toolkit/dir_list_box.h"
#include "toolkit/drive_list_box.h"
#include "toolkit/file_list_box.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {

class Form5 : public Window {
    Q_OBJECT
  public:
    Form5();

    // What the main window's table button does: presets the boxes (0.1 to 10 MeV by 0.1 MeV, no
    // file name), clears the list, points the file list at the folder list's folder, shows the
    // window and puts the focus in the file-name box.
    void PresetAndShow();

    // Event handlers, also run by the controls' events.
    void Command3Click();  // "Calculation": compute the table and list it
    void Command1Click();  // "Save": compute the table again and write it as a csv file
    void Command2Click();  // "Cancel": hide the window
    void Drive1Change();   // point the folder list at the chosen drive
    void Dir1Change();     // point the file list at the folder list's folder
    void File1Click();     // put the chosen file's name, less ".csv", into the file-name box

    // Headings.
    Label* Label1 = nullptr;   // making data at equal energy intervals
    Label* Label16 = nullptr;  // stopping-power data only
    Label* Label10 = nullptr;  // saved in the csv form of the spreadsheet
    // Energy range and interval.
    Label* Label6 = nullptr;     // energy range
    Label* Label9 = nullptr;     // Max. 1000 MeV
    TextBox* Text3 = nullptr;    // start energy, MeV
    Label* Label8 = nullptr;     // ～
    TextBox* Text4 = nullptr;    // end energy, MeV
    Label* Label7 = nullptr;     // MeV
    Label* Label2 = nullptr;     // energy interval
    TextBox* Text1 = nullptr;    // interval, MeV
    Label* Label3 = nullptr;     // MeV
    Button* Command3 = nullptr;  // Calculation
    // Result list and its column headings.
    Label* Label23 = nullptr;  // Kinetic
    Label* Label13 = nullptr;  // energy
    Label* Label15 = nullptr;  // MeV
    Label* Label11 = nullptr;  // Stopping-Power
    Label* Label12 = nullptr;  // Collision
    Label* Label14 = nullptr;  // Radiative
    Label* Label24 = nullptr;  // MeVcm (collision unit)
    Label* Label19 = nullptr;  // raised 2
    Label* Label18 = nullptr;  // /g
    Label* Label25 = nullptr;  // MeVcm (radiative unit)
    Label* Label20 = nullptr;  // raised 2
    Label* Label21 = nullptr;  // /g
    ListBox* List1 = nullptr;
    // Saving.
    Label* Label4 = nullptr;  // file to save
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;  // "*.csv"
    Label* Label5 = nullptr;       // file name, typed without extension
    TextBox* Text2 = nullptr;      // file name
    Button* Command1 = nullptr;    // Save
    Button* Command2 = nullptr;    // Cancel

  private:
    void BuildHeadings();
    void BuildInputs();
    void BuildListHeadings();
    void BuildSaving();
    void ConnectEvents();

    bool AnyEmpty(std::initializer_list<const TextBox*> boxes) const;
    // Computes the table from the start, end and interval boxes; on success writes a capped end
    // into the end box, commits the rows to the shared table and returns the plan. A refusal is
    // shown as a message and leaves the boxes and the shared table as they were.
    std::optional<IntervalPlan> ComputeAndCommit();
    // Writes the committed table as a csv file; reports a failure and returns false.
    bool WriteCsvFile(const QString& path, const IntervalPlan& plan);
};

}  // namespace velmora
