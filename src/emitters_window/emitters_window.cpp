// The positron-emitters window: a table of the nuclides' figures in the loaded material, a box for
// the thickness of the last column, and the notes that say what the figures are.
#include "emitters_window/emitters_window.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>

#include "core/emitter_ranges.h"
#include "core/number_format.h"
#include "toolkit/message_box.h"
#include "toolkit/palette.h"
#include "toolkit/twips.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 13800;
constexpr int kClientHeight = 7680;
constexpr int kBeyondColumn = 11;
const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);

QString Formatted(double value, const char* pattern) {
    return QString::fromStdString(FormatPattern(value, pattern));
}

QTableWidgetItem* Cell(const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

Label* MakeLabel(QWidget* parent, const QString& text, QRect twips, const QColor& color) {
    auto* label = new Label(parent, text, twips.x(), twips.y(), twips.width(), twips.height());
    label->SetForeColor(color);
    label->setWordWrap(true);
    return label;
}

}  // namespace

EmittersWindow::EmittersWindow(NuclideList nuclides, QString userFile)
    : Window(tr("陽電子放出核種の飛程"), kClientWidth, kClientHeight),
      nuclides_(std::move(nuclides)),
      userFile_(std::move(userFile)) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Positron emitters"));
    BuildControls();
    onClose = [this] {
        Hide();
        emit nuclideCleared();
    };
    FillRows();
}

void EmittersWindow::BuildControls() {
    materialLabel = MakeLabel(this, QString(), QRect(240, 120, 13320, 300), kDarkBlue);
    materialLabel->setAccessibleName(QStringLiteral("Material"));
    noticeLabel = MakeLabel(this, QString(), QRect(240, 450, 13320, 480), kDarkRed);
    noticeLabel->setAccessibleName(QStringLiteral("Notice"));

    table = new QTableWidget(0, kBeyondColumn + 1, this);
    table->setGeometry(TwipsRect(240, 960, 13320, 4440));
    table->setAccessibleName(QStringLiteral("Positron emitters and their csda ranges"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(TwipsToPixels(330));  // all bundled rows fit
    table->setHorizontalHeaderLabels(
        {tr("核種"), tr("半減期"), tr("陽電子\n/100壊変"), tr("最大エネルギー\nMeV"),
         tr("平均エネルギー\nMeV"), QStringLiteral("Rmax\ng/cm2"), QStringLiteral("Rmean\ng/cm2"),
         tr("平均csda飛程\ng/cm2"), QStringLiteral("Rmax\nmm"), QStringLiteral("Rmean\nmm"),
         tr("平均csda飛程\nmm"), QString()});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table, &QTableWidget::itemSelectionChanged, this, [this] { AnnounceChoice(); });

    auto* thicknessLabel = MakeLabel(this, tr("厚さ"), QRect(240, 5580, 1200, 300), Qt::black);
    thicknessLabel->setAccessibleName(QStringLiteral("Thickness"));
    thicknessBox = new TextBox(this, 1440, 5520, 1200, 360);
    thicknessBox->setAccessibleName(QStringLiteral("Thickness in millimetres"));
    thicknessBox->SetText(QStringLiteral("1"));
    thicknessBox->onKeyPress = [this](int key) {
        if (key == 13) {
            TakeThickness();
        }
    };
    MakeLabel(this, QStringLiteral("mm"), QRect(2760, 5580, 600, 300), Qt::black)
        ->setAccessibleName(QStringLiteral("millimetres"));
    boundNote = MakeLabel(this, QString(), QRect(3480, 5520, 10080, 600), Qt::black);
    boundNote->setAccessibleName(QStringLiteral("What the share beyond the thickness is"));
    marksNote = MakeLabel(this,
                          tr("選んだ核種の最大エネルギーと平均エネルギーを、グラフに紫の縦線で"
                             "示します（右が最大、左が平均）。"),
                          QRect(240, 6240, 11400, 600), kDarkBlue);
    marksNote->setAccessibleName(QStringLiteral("Marks on the graphs"));

    closeButton = new Button(this, tr("閉じる"), 12240, 6960, 1320, 480);
    closeButton->SetBackColor(kLightYellowBackground);
    closeButton->setAccessibleName(QStringLiteral("Close"));
    closeButton->onClick = [this] { onClose(); };
    BuildParticleChoice();
}

// The row beside the close button: which particle's csda ranges the figures are.
void EmittersWindow::BuildParticleChoice() {
    MakeLabel(this, tr("飛程の表"), QRect(240, 7060, 1080, 300), Qt::black)
        ->setAccessibleName(QStringLiteral("Range tables"));
    positronChoice = new QRadioButton(tr("陽電子"), this);
    positronChoice->setGeometry(TwipsRect(1320, 6960, 1320, 420));
    positronChoice->setAccessibleName(QStringLiteral("Positron tables"));
    positronChoice->setChecked(true);
    electronChoice = new QRadioButton(tr("電子（文献との比較）"), this);
    electronChoice->setGeometry(TwipsRect(2700, 6960, 3000, 420));
    electronChoice->setAccessibleName(QStringLiteral("Electron tables"));
    electronChoice->setEnabled(false);  // until a material with an electron table is shown
    auto* choice = new QButtonGroup(this);
    choice->addButton(positronChoice);
    choice->addButton(electronChoice);
    connect(electronChoice, &QRadioButton::toggled, this, [this](bool on) {
        if (on != ShowingElectrons()) {
            ChooseElectrons(on);
        }
    });
    electronReason = MakeLabel(this, QString(), QRect(5760, 6960, 6360, 600), kDarkRed);
    electronReason->setAccessibleName(QStringLiteral("Why the electron tables cannot be chosen"));
}

void EmittersWindow::ShowMaterial(const MaterialTable& positrons,
                                  const std::optional<MaterialTable>& electrons,
                                  const QString& whyNoElectrons) {
    positrons_ = positrons;
    electrons_ = electrons;
    electronChoice->setEnabled(electrons_.has_value());
    electronReason->setText(electrons_ ? QString() : whyNoElectrons);
    electronChoice->setToolTip(electronReason->text());
    FillRows();
    if (isVisible()) {
        AnnounceChoice();  // the marks follow the material only while the window is open
    }
}

void EmittersWindow::ShowAndMark() {
    Show();
    table->setFocus(Qt::OtherFocusReason);  // the arrow keys choose a nuclide at once
    AnnounceChoice();
}

void EmittersWindow::ChooseElectrons(bool electrons) {
    electronsChosen_ = electrons;
    FillRows();
}

bool EmittersWindow::ShowingElectrons() const {
    return electronsChosen_ && electrons_.has_value();
}

const MaterialTable& EmittersWindow::Shown() const {
    return ShowingElectrons() ? *electrons_ : positrons_;
}

int EmittersWindow::ChosenRow() const {
    const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

void EmittersWindow::ChooseRow(int row) {
    if (row < 0 || row >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    table->selectRow(row);
    table->setCurrentCell(row, 0);
}

void EmittersWindow::TakeThickness() {
    const std::string text = thicknessBox->TextUtf8();
    const double mm = IsDecimalNumber(text) ? ReadNumber(text) : 0.0;
    if (!(mm > 0.0 && mm < 1e6)) {
        MsgBox(tr("厚さは正の数 (mm) で入力して下さい"), kMsgExclamation);
        return;
    }
    thicknessMm_ = mm;
    FillBeyondColumn();
}

QString EmittersWindow::Notice() const {
    QString notice;
    if (nuclides_.error) {
        notice = tr("あなたの核種リストは読み込めませんでした（同梱のリストを使います）：%1")
                     .arg(QString::fromStdString(nuclides_.error->Message()));
    }
    if (positrons_.EnergyMeV[kLastRow] <= 0.0) {
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) +
                  tr("主画面で物質を読み込むと、その物質での飛程を示します。");
    } else if (!cannotAnswer_.isEmpty()) {
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) +
                  tr("この物質の表からは %1 の飛程を求められません。").arg(cannotAnswer_);
    }
    bool anyUser = false;
    for (const Nuclide& n : nuclides_.nuclides) {
        anyUser = anyUser || n.fromUser;
    }
    if (anyUser) {
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) +
                  tr("* あなたの核種リスト %1 から").arg(userFile_);
    }
    return notice;
}

void EmittersWindow::FillRows() {
    const MaterialTable& shown = Shown();
    const bool loaded = shown.EnergyMeV[kLastRow] > 0.0;
    const QString about = ShowingElectrons()
                              ? tr("%1（密度 %2 g/cm3、同じエネルギーの電子の csda 飛程）")
                              : tr("%1（密度 %2 g/cm3、陽電子の csda 飛程）");
    materialLabel->setText(loaded ? about.arg(QString::fromStdString(shown.MaterialName),
                                              Formatted(shown.Density, "#0.000###"))
                                  : QString());
    {
        const QSignalBlocker blocker(electronChoice);
        (ShowingElectrons() ? electronChoice : positronChoice)->setChecked(true);
    }
    const QSignalBlocker blocker(table);
    const int chosen = ChosenRow();
    table->setRowCount(loaded ? static_cast<int>(nuclides_.nuclides.size()) : 0);
    cannotAnswer_.clear();
    for (int row = 0; row < table->rowCount(); ++row) {
        const Nuclide& n = nuclides_.nuclides[static_cast<std::size_t>(row)];
        const QString name = QString::fromStdString(n.name) + (n.fromUser ? " *" : "");
        table->setItem(row, 0, Cell(name, false));
        table->setItem(row, 1,
                       Cell(QString::fromStdString(NumberText(n.halfLife) + " " + n.halfLifeUnit)));
        table->setItem(row, 2, Cell(QString::fromStdString(NumberText(n.PositronsPer100Decays()))));
        table->setItem(row, 3, Cell(Formatted(n.HighestEndpointMeV(), "#0.0000")));
        table->setItem(row, 4, Cell(Formatted(n.MeanEnergyMeV(), "#0.0000")));
        const std::optional<EmitterRanges> r = ComputeEmitterRanges(n, shown);
        if (!r) {
            cannotAnswer_ += (cannotAnswer_.isEmpty() ? "" : ", ") + QString::fromStdString(n.name);
        }
        const double ranges[] = {r ? r->rMax : 0.0, r ? r->rMean : 0.0, r ? r->meanCsdaRange : 0.0};
        for (int k = 0; k < 3; ++k) {
            const double mm = RangeInMillimetres(ranges[k], shown.Density);
            table->setItem(row, 5 + k, Cell(r ? Formatted(ranges[k], "0.000E+00") : "-"));
            table->setItem(row, 8 + k, Cell(r ? Formatted(mm, "#0.000") : "-"));
        }
    }
    FillBeyondColumn();
    if (chosen >= 0 && chosen < table->rowCount()) {
        table->selectRow(chosen);
    }
    noticeLabel->setText(Notice());
}

void EmittersWindow::FillBeyondColumn() {
    const QString mm = QString::fromStdString(NumberText(thicknessMm_));
    table->setHorizontalHeaderItem(kBeyondColumn,
                                   new QTableWidgetItem(tr("%1 mm を超える\n割合 %").arg(mm)));
    const MaterialTable& shown = Shown();
    const double thickness = MillimetresInGPerCm2(thicknessMm_, shown.Density);
    for (int row = 0; row < table->rowCount(); ++row) {
        const Nuclide& n = nuclides_.nuclides[static_cast<std::size_t>(row)];
        const std::optional<double> share = ShareBeyond(n, shown, thickness);
        table->setItem(row, kBeyondColumn,
                       Cell(share ? Formatted(*share * 100.0, "#0.00") : QStringLiteral("-")));
    }
    boundNote->setText(tr("csda 飛程は道のりで深さではないため、この割合は厚さ %1 mm を"
                          "通り抜ける陽電子の割合の上限です。")
                           .arg(mm));
}

void EmittersWindow::AnnounceChoice() {
    const int row = ChosenRow();
    if (row < 0 || positrons_.EnergyMeV[kLastRow] <= 0.0) {
        emit nuclideCleared();
        return;
    }
    const Nuclide& n = nuclides_.nuclides[static_cast<std::size_t>(row)];
    emit nuclideChosen(n.HighestEndpointMeV(), n.MeanEnergyMeV());
}

}  // namespace velmora
