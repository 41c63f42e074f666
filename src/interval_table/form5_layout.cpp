// The equal-interval table window's controls: inputs and buttons in a column on the left, the
// result list with its column headings on the right, the saving block lower left.
#include <QDir>

#include "app/forms.h"
#include "interval_table/arrow_picture.h"
#include "interval_table/form5.h"
#include "toolkit/fonts.h"
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
void UnitLabels(QWidget* parent, int columnLeft, Label*& meVcm, Label*& square, Label*& perGram) {
    constexpr int kTop = 960;
    meVcm = Heading(parent, QStringLiteral("MeVcm"), QStringLiteral("MeV cm"),
                    QRect(columnLeft + 90, kTop, 480, 240));
    square = Heading(parent, QStringLiteral("2"), QStringLiteral("squared"),
                     QRect(columnLeft + 570, kTop - 45, 120, 195));
    square->SetFont(MakeFont(kFontMsGothic, 6.75));
    perGram = Heading(parent, QStringLiteral("/g"), QStringLiteral("per gram"),
                      QRect(columnLeft + 690, kTop, 240, 240));
}

}  // namespace

Form5::Form5() : Window(QStringLiteral("Data Table (Unrestricted)"), kClientWidth, kClientHeight) {
    setFont(MakeFont(kFontMsGothic, 9.75));
    // Created in the order the Tab key walks: inputs, calculation, list, then the saving block.
    BuildHeadings();
    BuildInputs();
    BuildListHeadings();
    BuildSaving();
    ConnectEvents();
    File1->SetPath(Dir1->Path());
}

void Form5::BuildHeadings() {
    Label1 = Heading(this, QStringLiteral("等エネルギー間隔データの作成"),
                     QStringLiteral("Making data at equal energy intervals"),
                     QRect(240, 180, 4200, 330));
    Label1->SetFont(MakeFont(kFontMsGothic, 12, false, true));
    Label16 = Heading(this, QStringLiteral("（阻止能データのみ）"),
                      QStringLiteral("Stopping-power data only"), QRect(240, 540, 4200, 270));
    Label10 = Heading(this, QStringLiteral("（エクセルの csv 形式で保存）"),
                      QStringLiteral("Saved in the csv form of the Excel spreadsheet"),
                      QRect(240, 810, 4200, 270));
}

void Form5::BuildInputs() {
    Label6 = Tinted(MakeLabel(this, QStringLiteral("エネルギー範囲"),
                              QStringLiteral("Energy range"), QRect(240, 1260, 1500, 270)),
                    kLightYellowBackground);
    Label9 = Tinted(MakeLabel(this, QStringLiteral("Max. 1000 MeV"),
                              QStringLiteral("Maximum 1000 MeV"), QRect(1860, 1260, 1260, 270)),
                    kLightCyan);
    Text3 = MakeTextBox(this, QStringLiteral("Start energy (MeV)"), QRect(240, 1620, 1080, 330));
    Label8 =
        MakeLabel(this, QStringLiteral("～"), QStringLiteral("to"), QRect(1380, 1650, 240, 270));
    Text4 = MakeTextBox(this, QStringLiteral("End energy (MeV)"), QRect(1680, 1620, 1080, 330));
    Label7 = Tinted(
        MakeLabel(this, QStringLiteral("MeV"), QStringLiteral("MeV"), QRect(2820, 1650, 480, 270)),
        kLightYellowBackground);
    Label2 = Tinted(MakeLabel(this, QStringLiteral("エネルギー間隔"),
                              QStringLiteral("Energy interval"), QRect(240, 2190, 1500, 270)),
                    kLightYellowBackground);
    Text1 = MakeTextBox(this, QStringLiteral("Energy interval (MeV)"), QRect(1800, 2160, 960, 330));
    Label3 = Tinted(
        MakeLabel(this, QStringLiteral("MeV"), QStringLiteral("MeV"), QRect(2820, 2190, 480, 270)),
        kLightYellowBackground);
    Command3 = MakeButton(this, QStringLiteral("Calculation"),
                          QStringLiteral("Calculation: compute and list the table"),
                          QRect(3540, 1500, 1620, 780));
    Command3->SetPicture(RightArrowPicture());
}

void Form5::BuildListHeadings() {
    Label11 =
        ColumnHeading(this, QStringLiteral("Stopping-Power"), QStringLiteral("Stopping power"),
                      QRect(kCollisionColumnLeft, 480, 2160, 240));
    Label23 = ColumnHeading(this, QStringLiteral("Kinetic"), QStringLiteral("Kinetic"),
                            QRect(kEnergyColumnLeft, 720, kColumnWidth, 240));
    Label13 = ColumnHeading(this, QStringLiteral("energy"), QStringLiteral("energy"),
                            QRect(kEnergyColumnLeft, 960, kColumnWidth, 240));
    Label15 = ColumnHeading(this, QStringLiteral("MeV"), QStringLiteral("MeV"),
                            QRect(kEnergyColumnLeft, 1200, kColumnWidth, 240));
    Label12 = ColumnHeading(this, QStringLiteral("Collision"), QStringLiteral("Collision"),
                            QRect(kCollisionColumnLeft, 720, kColumnWidth, 240));
    Label14 = ColumnHeading(this, QStringLiteral("Radiative"), QStringLiteral("Radiative"),
                            QRect(kRadiativeColumnLeft, 720, kColumnWidth, 240));
    UnitLabels(this, kCollisionColumnLeft, Label24, Label19, Label18);
    UnitLabels(this, kRadiativeColumnLeft, Label25, Label20, Label21);
    List1 = new ListBox(this, kListLeft, kListTop, 3780, 5400);
    List1->setAccessibleName(
        QStringLiteral("Table: kinetic energy (MeV), collision and radiative stopping power "
                       "(MeV cm2/g)"));
}

void Form5::BuildSaving() {
    Label4 = Heading(this, QStringLiteral("保存ファイル"), QStringLiteral("File to save"),
                     QRect(240, 2880, 3240, 270));
    Drive1 = new DriveListBox(this, 240, 3210, 3240);
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Dir1 = new DirListBox(this, 240, 3630, 1560, 1800);
    Dir1->setAccessibleName(QStringLiteral("Folder"));
    File1 = new FileListBox(this, QStringLiteral("*.csv"), 1920, 3630, 1560, 1800);
    File1->setAccessibleName(QStringLiteral("Csv files in the folder"));
    Label5 =
        Heading(this, QStringLiteral("ファイル名（拡張子なしで入力）"),
                QStringLiteral("File name, typed without extension"), QRect(240, 5550, 3240, 270));
    Text2 = MakeTextBox(this, QStringLiteral("File name without extension"),
                        QRect(240, 5850, 3240, 330));
    Command1 = MakeButton(this, QStringLiteral("Save"), QStringLiteral("Save"),
                          QRect(240, 6390, 1560, 510));
    Command2 = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("Cancel"),
                          QRect(1920, 6390, 1560, 510));
}

void Form5::ConnectEvents() {
    Command3->onClick = [this] { Command3Click(); };
    Command1->onClick = [this] { Command1Click(); };
    Command2->onClick = [this] { Command2Click(); };
    Drive1->onChange = [this] { Drive1Change(); };
    Dir1->onChange = [this] { Dir1Change(); };
    File1->onClick = [this] { File1Click(); };
    // Closing by the frame closes the window completely; the next opening builds it anew.
    onClose = [] { DestroyForm5(); };
}

}  // namespace velmora
