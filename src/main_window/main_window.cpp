// The main window's handlers: start-up, file selection, the OK button and the navigation buttons.
#include "main_window/main_window.h"

#include <QSignalBlocker>

#include "core/material_file.h"
#include "core/material_reading.h"
#include "core/material_table.h"
#include "core/number_format.h"
#include "core/shared_tables.h"
#include "toolkit/message_box.h"
#include "toolkit/text_files.h"

namespace velmora {
namespace {

const char* const kNoSelectionMessage =
    QT_TRANSLATE_NOOP("velmora::MainWindow", "元素または物質を選択して下さい");

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// The path of a file in a material folder as the shared table keeps it: "p_QRV\name".
QString MaterialPath(const QString& folder, const QString& fileName) {
    return folder + QLatin1Char('\\') + fileName;
}

// The decoded text of a material file, read and decoded as every reader of material files does,
// or a message box naming the file and the reason.
std::optional<std::string> MaterialTextOrMessage(const QString& path) {
    MaterialText contents = ReadMaterialText(NativePath(path).toStdString());
    if (!contents.text) {
        const MaterialFileError error{path.toStdString(), 0,
                                      "the file cannot be read (" + contents.error + ")"};
        MsgBox(ToQString(error.Message()), kMsgExclamation);
    }
    return std::move(contents.text);
}

// Shows the entry of the shared table's file in the list when it is one of the list's files,
// otherwise no chosen entry, without running the list's click handler.
void ShowChosenEntry(FileListBox& list, const QString& folder) {
    const QSignalBlocker blocker(&list);
    const QString chosen = ToQString(SharedMaterialTable().DataFilePath);
    const QString prefix = MaterialPath(folder, QString());
    int row = -1;
    if (chosen.startsWith(prefix)) {
        const auto matches = list.findItems(chosen.mid(prefix.size()), Qt::MatchExactly);
        row = matches.isEmpty() ? -1 : list.row(matches.first());
    }
    list.setCurrentRow(row);
    if (row < 0) {
        list.clearSelection();
    }
}

}  // namespace

void MainWindow::Load() {
    SharedMaterialTable().DataFilePath.clear();
    for (TextBox* box : {materialNameBox, densityBox, energyBox, totalBox, rangeBox,
                         meanExcitationBox, collisionBox, radiativeBox}) {
        box->SetText(QString());
    }
    for (TextBox* box : {energyBox, totalBox, rangeBox, collisionBox, radiativeBox}) {
        box->SetEnabled(false);
    }
    intervalTableButton->SetEnabled(false);
    // A missing folder leaves its list empty; the other list still works.
    elementList->SetPath(QStringLiteral("p_QRV"));
    compoundList->SetPath(QStringLiteral("p_STC"));
    tableList->Clear();
}

void MainWindow::StartAfresh() {
    tableList->Clear();
    for (TextBox* box : {energyBox, collisionBox, radiativeBox, totalBox, rangeBox, materialNameBox,
                         densityBox, meanExcitationBox}) {
        box->SetText(QString());
    }
    elementList->Refresh();
    compoundList->Refresh();
    intervalTableButton->SetEnabled(false);
    SharedMaterialTable().DataFilePath.clear();
    Show();
}

// A file chosen in one list: its head values are shown and the other list loses its choice.
// A file that cannot be read or whose head is not a material's head is refused with a message,
// and the chosen file, the boxes and the shared table stay as they were.
void MainWindow::ShowChosenFileHead(FileListBox& clicked, const QString& folder,
                                    FileListBox& other) {
    if (clicked.FileName().isEmpty()) {
        return;
    }
    const QString path = MaterialPath(folder, clicked.FileName());
    const std::optional<std::string> text = MaterialTextOrMessage(path);
    const auto head =
        text ? ParseMaterialHead(*text, path.toStdString()) : ParseResult<MaterialHead>{};
    if (text && !head) {
        MsgBox(ToQString(head.error.Message()), kMsgExclamation);
    }
    if (!head) {
        ShowChosenEntry(clicked, folder);
        return;
    }
    MaterialTable& table = SharedMaterialTable();
    table.DataFilePath = path.toStdString();
    table.MaterialName = head.value->name;
    table.Density = head.value->density;
    table.MeanExcitationEnergy = head.value->meanExcitationEnergy;
    materialNameBox->SetText(ToQString(table.MaterialName));
    densityBox->SetText(QStringLiteral("ρ = ") + ToQString(FormatPattern(table.Density, "#0.000")));
    meanExcitationBox->SetText(QStringLiteral("I = ") +
                               ToQString(FormatPattern(table.MeanExcitationEnergy, "##0.0")) +
                               QStringLiteral(" eV"));
    other.Refresh();
}

// OK: the chosen file is read and checked completely before anything changes; a refused file
// leaves the window, the list and the shared table as they were.
void MainWindow::LoadChosenMaterial() {
    const QString path = ToQString(SharedMaterialTable().DataFilePath);
    if (path.isEmpty()) {
        MsgBox(tr(kNoSelectionMessage), kMsgExclamation);
        return;
    }
    const std::optional<std::string> text = MaterialTextOrMessage(path);
    if (!text) {
        return;
    }
    const ParseResult<LoadedMaterial> material = ParseMaterialFile(*text, path.toStdString());
    if (!material) {
        MsgBox(ToQString(material.error.Message()), kMsgExclamation);
        return;
    }
    EnableQueryAndEmptyTable();
    CommitLoadedMaterial(SharedMaterialTable(), *material.value);
    FillTableList();
    emit materialLoaded();
}

void MainWindow::EnableQueryAndEmptyTable() {
    intervalTableButton->SetEnabled(true);
    for (TextBox* box : {energyBox, totalBox, rangeBox, collisionBox, radiativeBox}) {
        box->SetText(QString());
    }
    for (TextBox* box : {energyBox, totalBox, rangeBox, collisionBox, radiativeBox}) {
        box->SetEnabled(true);
    }
    tableList->Clear();
}

void MainWindow::FillTableList() {
    const MaterialTable& table = SharedMaterialTable();
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        tableList->AddItem(ToQString(table.TableLines[row]));
    }
}

// The energy box is disabled until a table is loaded; then it cannot take the focus.
void MainWindow::StartNewEnergy() {
    EmptyQueryBoxes();
    if (energyBox->Enabled()) {
        energyBox->SetFocus();
    }
}

void MainWindow::EmptyQueryBoxes() {
    for (TextBox* box : {energyBox, collisionBox, radiativeBox, totalBox, rangeBox}) {
        box->SetText(QString());
    }
}

}  // namespace velmora
