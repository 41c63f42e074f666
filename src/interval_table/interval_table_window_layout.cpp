// The equal-interval table window's controls: inputs and buttons in a column on the left, the
// result list with its column headings on the right, the saving block lower left.
#include <QDir>

#include "interval_table/arrow_picture.h"
#include "interval_table/interval_table_window.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"

namespace velmora {
namespace {

const QColor kLightCyan(192, 255, 255);
const QColor kDarkBlue(0, 0, 192);

// Window size and the left edge of the list, in twips.
constexpr int kClientWidth = 9420;
constexpr int kClientHeight = 7200;
constexpr int kListLeft = 5400;
constexpr int kListTop = 1500;
// The list's text starts 4 pixels inside the list; each character of its fixed-pitch font is
// 6.5 pixels wide, so the three columns start at characters 0, 12 and 24 of a row.
constexpr int kColumnWidth = 990;  // 10 characters
constexpr int kEnergyColumnLeft = kListLeft + 60;
constexpr int kCollisionColumnLeft = kEnergyColumnLeft + 1170;
constexpr int kRadiativeColumnLeft = kEnergyColumnLeft + 2340;

Label* MakeLabel(QWidget* parent, const QString& text, const QString& spoken, QRect twips) {
    auto* label = new Label(parent, text, twips.x(), twips.y(), twips.width(), twips.height());
    label->setAccessibleName(spoken);
    return label;
}

Label* Heading(QWidget* parent, const QString& text, const QString& spoken, QRect twips) {
    Label* label = MakeLabel(parent, text, spoken, twips);
    label->SetForeColor(kDarkBlue);
    return label;
}

Label* ColumnHeading(QWidget* parent, const QString& text, const QString& spoken, QRect twips) {
    Label* label = Heading(parent, text, spoken, twips);
    label->SetCentered();
    return label;
}

Label* Tinted(Label* label, const QColor& back) {
    label->SetBackColor(back);
    label->SetCentered();
    return label;
}

TextBox* MakeTextBox(QWidget* parent, const QString& spoken, QRect twips) {
    auto* box = new TextBox(parent, twips.x(), twips.y(), twips.width(), twips.height());
    box->setAccessibleName(spoken);
    return box;
}

Button* MakeButton(QWidget* parent, const QString& caption, const QString& spoken, QRect twips) {
    auto* button = new Button(parent, caption, twips.x(), twips.y(), twips.width(), twips.height());
    button->SetBackColor(kLightYellowBackground);
    button->setAccessibleName(spoken);
    return button;
}

// "MeVcm", a smaller raised "2" and "/g" under a column: MeV cm2/g.
void UnitLabels(QWidget* parent, int columnLeft) {
    constexpr int kTop = 960;
    Heading(parent, IntervalTableWindow::tr("MeVcm"), QStringLiteral("MeV cm"),
            QRect(columnLeft + 90, kTop, 480, 240));
    Heading(parent, QStringLiteral("2"), QStringLiteral("squared"),
            QRect(columnLeft + 570, kTop - 45, 120, 195))
        ->SetFont(MakeFont(kFontMsGothic, 6.75));
    Heading(parent, IntervalTableWindow::tr("/g"), QStringLiteral("per gram"),
            QRect(columnLeft + 690, kTop, 240, 240));
}

}  // namespace

IntervalTableWindow::IntervalTableWindow()
    : Window(tr("Data Table (Unrestricted)"), kClientWidth, kClientHeight) {
    setFont(MakeFont(kFontMsGothic, 9.75));
    // Created in the order the Tab key walks: inputs, calculation, list, then the saving block.
    BuildHeadings();
    BuildInputs();
    BuildListHeadings();
    BuildSaving();
    ConnectEvents();
    csvFileList->SetPath(folderList->Path());
}

void IntervalTableWindow::BuildHeadings() {
    Heading(this, tr("等エネルギー間隔データの作成"),
            QStringLiteral("Making data at equal energy intervals"), QRect(240, 180, 4200, 330))
        ->SetFont(MakeFont(kFontMsGothic, 12, false, true));
    Heading(this, tr("（阻止能データのみ）"), QStringLiteral("Stopping-power data only"),
            QRect(240, 540, 4200, 270));
    Heading(this, tr("（エクセルの csv 形式で保存）"),
            QStringLiteral("Saved in the csv form of the Excel spreadsheet"),
            QRect(240, 810, 4200, 270));
}

void IntervalTableWindow::BuildInputs() {
    Tinted(MakeLabel(this, tr("エネルギー範囲"), QStringLiteral("Energy range"),
                     QRect(240, 1260, 1500, 270)),
           kLightYellowBackground);
    Tinted(MakeLabel(this, tr("Max. 1000 MeV"), QStringLiteral("Maximum 1000 MeV"),
                     QRect(1860, 1260, 1260, 270)),
           kLightCyan);
    startEnergyBox =
        MakeTextBox(this, QStringLiteral("Start energy (MeV)"), QRect(240, 1620, 1080, 330));
    MakeLabel(this, tr("～"), QStringLiteral("to"), QRect(1380, 1650, 240, 270));
    endEnergyBox =
        MakeTextBox(this, QStringLiteral("End energy (MeV)"), QRect(1680, 1620, 1080, 330));
    Tinted(MakeLabel(this, tr("MeV"), QStringLiteral("MeV"), QRect(2820, 1650, 480, 270)),
           kLightYellowBackground);
    Tinted(MakeLabel(this, tr("エネルギー間隔"), QStringLiteral("Energy interval"),
                     QRect(240, 2190, 1500, 270)),
           kLightYellowBackground);
    intervalBox =
        MakeTextBox(this, QStringLiteral("Energy interval (MeV)"), QRect(1800, 2160, 960, 330));
    Tinted(MakeLabel(this, tr("MeV"), QStringLiteral("MeV"), QRect(2820, 2190, 480, 270)),
           kLightYellowBackground);
    calculateButton = MakeButton(this, tr("Calculation"),
                                 QStringLiteral("Calculation: compute and list the table"),
                                 QRect(3540, 1500, 1620, 780));
    calculateButton->SetPicture(RightArrowPicture());
}

void IntervalTableWindow::BuildListHeadings() {
    ColumnHeading(this, tr("Stopping-Power"), QStringLiteral("Stopping power"),
                  QRect(kCollisionColumnLeft, 480, 2160, 240));
    ColumnHeading(this, tr("Kinetic"), QStringLiteral("Kinetic"),
                  QRect(kEnergyColumnLeft, 720, kColumnWidth, 240));
    ColumnHeading(this, tr("energy"), QStringLiteral("energy"),
                  QRect(kEnergyColumnLeft, 960, kColumnWidth, 240));
    ColumnHeading(this, tr("MeV"), QStringLiteral("MeV"),
                  QRect(kEnergyColumnLeft, 1200, kColumnWidth, 240));
    ColumnHeading(this, tr("Collision"), QStringLiteral("Collision"),
                  QRect(kCollisionColumnLeft, 720, kColumnWidth, 240));
    ColumnHeading(this, tr("Radiative"), QStringLiteral("Radiative"),
                  QRect(kRadiativeColumnLeft, 720, kColumnWidth, 240));
    UnitLabels(this, kCollisionColumnLeft);
    UnitLabels(this, kRadiativeColumnLeft);
    resultList = new ListBox(this, kListLeft, kListTop, 3780, 5400);
    resultList->setAccessibleName(
        QStringLiteral("Table: kinetic energy (MeV), collision and radiative stopping power "
                       "(MeV cm2/g)"));
}

void IntervalTableWindow::BuildSaving() {
    Heading(this, tr("保存ファイル"), QStringLiteral("File to save"), QRect(240, 2880, 3240, 270));
    driveList = new DriveListBox(this, 240, 3210, 3240);
    driveList->setAccessibleName(QStringLiteral("Drive"));
    folderList = new DirListBox(this, 240, 3630, 1560, 1800);
    folderList->setAccessibleName(QStringLiteral("Folder"));
    csvFileList = new FileListBox(this, QStringLiteral("*.csv"), 1920, 3630, 1560, 1800);
    csvFileList->setAccessibleName(QStringLiteral("Csv files in the folder"));
    Heading(this, tr("ファイル名（拡張子なしで入力）"),
            QStringLiteral("File name, typed without extension"), QRect(240, 5550, 3240, 270));
    fileNameBox = MakeTextBox(this, QStringLiteral("File name without extension"),
                              QRect(240, 5850, 3240, 330));
    saveButton = MakeButton(this, tr("Save"), QStringLiteral("Save"), QRect(240, 6390, 1560, 510));
    cancelButton =
        MakeButton(this, tr("Cancel"), QStringLiteral("Cancel"), QRect(1920, 6390, 1560, 510));
}

void IntervalTableWindow::ConnectEvents() {
    calculateButton->onClick = [this] { CalculateTable(); };
    saveButton->onClick = [this] { SaveCsvFile(); };
    cancelButton->onClick = [this] { HideWithoutSaving(); };
    driveList->onChange = [this] { OpenChosenDrive(); };
    folderList->onChange = [this] { ListCsvFilesOfFolder(); };
    csvFileList->onClick = [this] { TakeNameOfChosenFile(); };
}

}  // namespace velmora
