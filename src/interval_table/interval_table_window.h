// The equal-interval table window: computes, lists and saves stopping powers at equal energy steps.
#pragma once

#include <optional>

#include "core/interval_calculation.h"
#include "toolkit/button.h"
#include "toolkit/dir_list_box.h"
#include "toolkit/drive_list_box.h"
#include "toolkit/file_list_box.h"
#include "toolkit/list_box.h"
#include "toolkit/text_box.h"
#include "toolkit/window.h"

namespace velmora {

class IntervalTableWindow : public Window {
    Q_OBJECT
  public:
    IntervalTableWindow();

    // What the main window's table button asks for: presets the boxes (0.1 to 10 MeV by 0.1 MeV,
    // no file name), clears the list, points the file list at the folder list's folder, shows the
    // window and puts the focus in the file-name box.
    void PresetAndShow();

    // The buttons' and lists' handlers.
    void CalculateTable();        // compute the table and list it
    void SaveCsvFile();           // compute the table again and write it as a csv file
    void HideWithoutSaving();     // Cancel
    void OpenChosenDrive();       // point the folder list at the chosen drive
    void ListCsvFilesOfFolder();  // point the file list at the folder list's folder
    void TakeNameOfChosenFile();  // the chosen file's name, less ".csv", into the name box

    // Energy range and interval, in MeV.
    TextBox* startEnergyBox = nullptr;
    TextBox* endEnergyBox = nullptr;
    TextBox* intervalBox = nullptr;
    Button* calculateButton = nullptr;
    // The computed rows: energy, collision and radiative stopping power.
    ListBox* resultList = nullptr;
    // Where and as what the table is saved.
    DriveListBox* driveList = nullptr;
    DirListBox* folderList = nullptr;
    FileListBox* csvFileList = nullptr;  // "*.csv"
    TextBox* fileNameBox = nullptr;      // typed without ".csv"
    Button* saveButton = nullptr;
    Button* cancelButton = nullptr;

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
