// The equal-interval table window's handlers: opening, calculation, folder choice and saving.
#include "interval_table/interval_table_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include "core/interval_table.h"
#include "core/material_table.h"
#include "core/shared_tables.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"
#include "toolkit/text_files.h"

namespace velmora {
namespace {

const char* const kSomethingEmpty =
    QT_TRANSLATE_NOOP("velmora::IntervalTableWindow", "入力されていない項目があります");
const char* const kSaved =
    QT_TRANSLATE_NOOP("velmora::IntervalTableWindow", "ファイルを保存しました");
const char* const kForbiddenName =
    QT_TRANSLATE_NOOP("velmora::IntervalTableWindow",
                      "The file name must not contain \\ / : * ? \" < > | or control characters.");

std::string Utf8(const TextBox* box) {
    return box->TextUtf8();
}

// A refusal of the computation in the interface's language, its numbers filled in.
QString Translated(const MessageTemplate& message) {
    const QString text = QCoreApplication::translate(message.context, message.text);
    return QString::fromStdString(FillMessage(text.toStdString(), message.arguments));
}

}  // namespace

void IntervalTableWindow::PresetAndShow() {
    intervalBox->SetText(QStringLiteral("0.1"));
    fileNameBox->SetText(QString());
    startEnergyBox->SetText(QStringLiteral("0.1"));
    endEnergyBox->SetText(QStringLiteral("10"));
    resultList->Clear();
    csvFileList->SetPath(folderList->Path());
    Show();
    fileNameBox->SetFocus();
}

bool IntervalTableWindow::AnyEmpty(std::initializer_list<const TextBox*> boxes) const {
    for (const TextBox* box : boxes) {
        if (box->Text().isEmpty()) {
            return true;
        }
    }
    return false;
}

std::optional<IntervalPlan> IntervalTableWindow::ComputeAndCommit() {
    const IntervalCandidate candidate = ComputeIntervalTable(
        SharedMaterialTable(), Utf8(startEnergyBox), Utf8(endEnergyBox), Utf8(intervalBox));
    if (!candidate.refusal.empty()) {
        MsgBox(Translated(candidate.refusalMessage), kMsgExclamation);
        return std::nullopt;
    }
    if (candidate.plan.capped) {
        endEnergyBox->SetText(QString::fromStdString(candidate.plan.cappedEndText));
    }
    CommitIntervalRows(candidate, SharedIntervalTable());
    return candidate.plan;
}

void IntervalTableWindow::CalculateTable() {
    if (AnyEmpty({intervalBox, startEnergyBox, endEnergyBox})) {
        MsgBox(tr(kSomethingEmpty), kMsgExclamation);
        return;
    }
    const std::optional<IntervalPlan> plan = ComputeAndCommit();
    if (!plan) {
        return;
    }
    // The list is emptied only once the whole table has been computed.
    resultList->Clear();
    const IntervalTable& table = SharedIntervalTable();
    for (int row = 0; row <= plan->lastRow; ++row) {
        const auto& values = table.rows[static_cast<size_t>(row)];
        resultList->AddItem(QString::fromStdString(
            IntervalListLine(RowEnergyMeV(*plan, row), values[1], values[2])));
    }
}

void IntervalTableWindow::SaveCsvFile() {
    if (AnyEmpty({intervalBox, fileNameBox, startEnergyBox, endEnergyBox})) {
        MsgBox(tr(kSomethingEmpty), kMsgExclamation);
        return;
    }
    const QString name = fileNameBox->Text();
    if (FileNameHasForbiddenCharacter(name.toStdString())) {
        MsgBox(tr(kForbiddenName), kMsgExclamation);
        return;
    }
    // csvFileList's folder, a backslash, the name and ".csv"; the backslash as this platform spells
    // it.
    const QString path =
        csvFileList->Path() + NativePath(QStringLiteral("\\")) + name + QStringLiteral(".csv");
    const std::optional<IntervalPlan> plan = ComputeAndCommit();
    if (!plan || !WriteCsvFile(path, *plan)) {
        return;
    }
    MsgBox(tr(kSaved), kMsgNoIcon);
    // A close by the frame while events run deletes this window; hide only a window still there.
    const QPointer<IntervalTableWindow> self(this);
    DoEvents();
    if (self) {
        Hide();
    }
}

bool IntervalTableWindow::WriteCsvFile(const QString& path, const IntervalPlan& plan) {
    const std::string text = IntervalCsvText(plan, SharedIntervalTable());
    const QString failure = WriteFileAtomically(path, QByteArray::fromStdString(text));
    if (failure.isEmpty()) {
        return true;
    }
    MsgBox(tr("The file could not be saved:\n%1\n%2").arg(QDir::toNativeSeparators(path), failure),
           kMsgExclamation);
    return false;
}

void IntervalTableWindow::HideWithoutSaving() {
    Hide();
}

void IntervalTableWindow::OpenChosenDrive() {
    // A drive whose folder cannot be opened is ignored: the folder and file lists stay put.
    folderList->SetPath(driveList->Drive());
}

void IntervalTableWindow::ListCsvFilesOfFolder() {
    csvFileList->SetPath(folderList->Path());
}

void IntervalTableWindow::TakeNameOfChosenFile() {
    fileNameBox->SetText(
        QString::fromStdString(NameWithoutExtension(csvFileList->FileName().toStdString())));
}

}  // namespace velmora
