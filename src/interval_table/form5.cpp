// The equal-interval table window's handlers: opening, calculation, folder choice and saving.
#include "interval_table/form5.h"

#include <QDir>
#include <QPointer>

#include "core/material_table.h"
#include "core/interval_table.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"
#include "toolkit/text_files.h"

namespace velmora {
namespace {

const QString kSomethingEmpty = QStringLiteral("入力されていない項目があります");
const QString kSaved = QStringLiteral("ファイルを保存しました");
const QString kForbiddenName =
    QStringLiteral("The file name must not contain \\ / : * ? \" < > | or control characters.");

std::string Utf8(const TextBox* box) {
    return box->TextUtf8();
}

}  // namespace

void Form5::PresetAndShow() {
    Text1->SetText(QStringLiteral("0.1"));
    Text2->SetText(QString());
    Text3->SetText(QStringLiteral("0.1"));
    Text4->SetText(QStringLiteral("10"));
    List1->Clear();
    File1->SetPath(Dir1->Path());
    Show();
    Text2->SetFocus();
}

bool Form5::AnyEmpty(std::initializer_list<const TextBox*> boxes) const {
    for (const TextBox* box : boxes) {
        if (box->Text().isEmpty()) {
            return true;
        }
    }
    return false;
}

std::optional<IntervalPlan> Form5::ComputeAndCommit() {
    const IntervalCandidate candidate =
        ComputeIntervalTable(SharedMaterialTable(), Utf8(Text3), Utf8(Text4), Utf8(Text1));
    if (!candidate.refusal.empty()) {
        MsgBox(QString::fromStdString(candidate.refusal), kMsgExclamation);
        return std::nullopt;
    }
    if (candidate.plan.capped) {
        Text4->SetText(QString::fromStdString(candidate.plan.cappedEndText));
    }
    CommitIntervalRows(candidate, SharedIntervalTable());
    return candidate.plan;
}

void Form5::Command3Click() {
    if (AnyEmpty({Text1, Text3, Text4})) {
        MsgBox(kSomethingEmpty, kMsgExclamation);
        return;
    }
    const std::optional<IntervalPlan> plan = ComputeAndCommit();
    if (!plan) {
        return;
    }
    // The list is emptied only once the whole table has been computed.
    List1->Clear();
    const IntervalTable& table = SharedIntervalTable();
    for (int row = 0; row <= plan->lastRow; ++row) {
        const auto& values = table.rows[static_cast<size_t>(row)];
        List1->AddItem(QString::fromStdString(
            IntervalListLine(RowEnergyMeV(*plan, row), values[1], values[2])));
    }
}

void Form5::Command1Click() {
    if (AnyEmpty({Text1, Text2, Text3, Text4})) {
        MsgBox(kSomethingEmpty, kMsgExclamation);
        return;
    }
    const QString name = Text2->Text();
    if (FileNameHasForbiddenCharacter(name.toStdString())) {
        MsgBox(kForbiddenName, kMsgExclamation);
        return;
    }
    // File1's folder, a backslash, the name and ".csv"; the backslash as this platform spells it.
    const QString path =
        File1->Path() + NativePath(QStringLiteral("\\")) + name + QStringLiteral(".csv");
    const std::optional<IntervalPlan> plan = ComputeAndCommit();
    if (!plan || !WriteCsvFile(path, *plan)) {
        return;
    }
    MsgBox(kSaved, kMsgNoIcon);
    // A close by the frame while events run deletes this window; hide only a window still there.
    const QPointer<Form5> self(this);
    DoEvents();
    if (self) {
        Hide();
    }
}

bool Form5::WriteCsvFile(const QString& path, const IntervalPlan& plan) {
    const std::string text = IntervalCsvText(plan, SharedIntervalTable());
    const QString failure = WriteFileAtomically(path, QByteArray::fromStdString(text));
    if (failure.isEmpty()) {
        return true;
    }
    MsgBox(QStringLiteral("The file could not be saved:\n%1\n%2")
               .arg(QDir::toNativeSeparators(path), failure),
           kMsgExclamation);
    return false;
}

void Form5::Command2Click() {
    Hide();
}

void Form5::Drive1Change() {
    // A drive whose folder cannot be opened is ignored: the folder and file lists stay put.
    Dir1->SetPath(Drive1->Drive());
}

void Form5::Dir1Change() {
    File1->SetPath(Dir1->Path());
}

void Form5::File1Click() {
    Text2->SetText(QString::fromStdString(NameWithoutExtension(File1->FileName().toStdString())));
}

}  // namespace velmora
