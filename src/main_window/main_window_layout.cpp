// The main window's controls: positions in twips, fonts, colours, tool tips and the table header.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "main_window/main_window.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"
#include "toolkit/pictures.h"
#include "toolkit/twips.h"

namespace velmora {
namespace {

// The graph window's width, for placing the two windows side by side, and the gap between them.
constexpr int kGraphWindowWidthTwips = 8160;
constexpr int kWindowGap = 16;

// The character code of Enter, the one key the energy box answers.
constexpr int kKeyEnter = 13;

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);

constexpr double kWindowFontPoints = 9.75;
constexpr double kHeaderFontPoints = 8.25;  // the headers are narrower than the 8-digit columns
constexpr double kRaisedDigitPoints = 6.0;
constexpr int kRaisedDigitLift = 3;  // pixels above the line's top

// Where the five numbers stand in a displayed table line (characters from its start) and how
// many characters each takes. The header labels are centred over these fields.
constexpr int kColumnChars = 8;
constexpr int kEnergyColumn = 0;
constexpr int kCollisionColumn = 9;
constexpr int kRadiativeColumn = 18;
constexpr int kTotalColumn = 27;
constexpr int kRangeColumn = 36;

// The three header rows above the list, in twips.
constexpr int kHeaderRowTops[3] = {240, 480, 720};
constexpr int kHeaderRowHeight = 240;

// Query block: five rows from the top, label, box and unit columns.
constexpr int kQueryTop = 8280;
constexpr int kQueryRowStep = 360;
constexpr int kQueryLabelLeft = 5520;
constexpr int kQueryBoxLeft = 7320;
constexpr int kQueryUnitLeft = 9120;
constexpr int kQueryBoxWidth = 1695;
constexpr int kBoxHeight = 330;

// Pixels to twips, for placing labels measured in pixels through the twips-based controls.
constexpr int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

QFont RaisedDigitFont() {
    return MakeFont(kFontMsGothic, kRaisedDigitPoints);
}

int RaisedDigitWidth() {
    return QFontMetrics(RaisedDigitFont()).horizontalAdvance(QLatin1Char('2')) + 1;
}

// Width in pixels of before + raised "2" + after.
int UnitWidth(const QString& before, const QString& after, const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(before) + RaisedDigitWidth() +
           metrics.horizontalAdvance(after);
}

}  // namespace

MainWindow::MainWindow() : Window(tr("Mass Stopping Powers and  csda range data"), 10755, 11145) {
    setFont(MakeFont(kFontMsGothic, kWindowFontPoints));
    setAccessibleName(QStringLiteral("Mass stopping powers and csda range data"));
    BuildFileLists();
    BuildHeadBoxes();
    BuildTableList();
    BuildTableHeader();
    BuildQueryBlock();
    BuildButtons();
    ConnectHandlers();
    // The graph window opens to the right of this one, so the two stand side by side.
    firstPosition = [this] {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int pairWidth = width() + TwipsToPixels(kGraphWindowWidthTwips) + kWindowGap;
        return QPoint(screen.center().x() - pairWidth / 2, screen.center().y() - height() / 2);
    };
}

Label* MainWindow::AddLabel(const QString& text, int left, int top, int width, int height) {
    auto* label = new Label(this, text, left, top, width, height);
    label->setAccessibleName(text.simplified());
    return label;
}

Label* MainWindow::AddRaisedDigit(const QString& digit, int leftPixels, int topPixels) {
    const QFont small = RaisedDigitFont();
    auto* label = new Label(this, digit, Twips(leftPixels), Twips(topPixels - kRaisedDigitLift),
                            Twips(RaisedDigitWidth()), Twips(QFontMetrics(small).height()));
    label->SetFont(small);
    label->setAccessibleName(digit == QLatin1String("2") ? QStringLiteral("squared")
                                                         : QStringLiteral("cubed"));
    return label;
}

void MainWindow::AddUnitWithSquare(const QString& before, const QString& after, const QFont& font,
                                   int leftPixels, int topPixels) {
    const QFontMetrics metrics(font);
    const int beforeWidth = metrics.horizontalAdvance(before);
    const int height = Twips(metrics.height());
    AddLabel(before, Twips(leftPixels), Twips(topPixels), Twips(beforeWidth), height)
        ->SetFont(font);
    AddRaisedDigit(QStringLiteral("2"), leftPixels + beforeWidth, topPixels);
    if (!after.isEmpty()) {
        AddLabel(after, Twips(leftPixels + beforeWidth + RaisedDigitWidth()), Twips(topPixels),
                 Twips(metrics.horizontalAdvance(after) + 1), height)
            ->SetFont(font);
    }
}

void MainWindow::BuildFileLists() {
    AddLabel(tr("Elements"), 240, 240, 1695, 240);
    elementList = new FileListBox(this, QStringLiteral("*.qrv"), 240, 480, 1695, 7290);
    elementList->setAccessibleName(QStringLiteral("Elements"));
    AddLabel(tr("Compounds and Mixtures"), 2040, 240, 3255, 240);
    compoundList = new FileListBox(this, QStringLiteral("*.stc"), 2040, 480, 3255, 7290);
    compoundList->setAccessibleName(QStringLiteral("Compounds and Mixtures"));
}

void MainWindow::BuildHeadBoxes() {
    AddLabel(tr("Material name"), 240, 8280, 2400, 240);
    materialNameBox = new TextBox(this, 240, 8520, 4815, kBoxHeight);
    materialNameBox->setAccessibleName(QStringLiteral("Material name"));

    //: The two blanks before ")" make room for a raised 3.
    const QString densityText = tr("density (g/cm  )");
    Label* density = AddLabel(densityText, 240, 9120, 2400, 240);
    density->setAccessibleName(QStringLiteral("density (g/cm3)"));
    const int digitLeft = density->x() + QFontMetrics(font()).horizontalAdvance(
                                             densityText.left(densityText.indexOf(u')') - 2));
    AddRaisedDigit(QStringLiteral("3"), digitLeft + 1, density->y());
    densityBox = new TextBox(this, 240, 9600, 2415, kBoxHeight);
    densityBox->setAccessibleName(QStringLiteral("Density (g/cm3)"));

    AddLabel(tr("mean excitation energy"), 2880, 9120, 2400, 240);
    meanExcitationBox = new TextBox(this, 2880, 9630, 2175, kBoxHeight);
    meanExcitationBox->setAccessibleName(QStringLiteral("Mean excitation energy"));
}

void MainWindow::BuildTableList() {
    tableList = new ListBox(this, 5520, 960, 5055, 7080);
    tableList->setAccessibleName(QStringLiteral("Table of the material"));
    tableList->ensurePolished();
}

void MainWindow::BuildTableHeader() {
    // The list's text starts inside its frame and the item margin; every column is a whole
    // number of fixed-pitch characters from there.
    const int textMargin =
        tableList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tableList) + 1;
    const int origin = tableList->x() + tableList->frameWidth() + textMargin;
    const double charWidth = QFontMetricsF(tableList->font()).horizontalAdvance(QLatin1Char('0'));
    const auto fieldCentre = [&](int firstColumn, int lastColumn) {
        return origin + static_cast<int>((firstColumn + lastColumn + kColumnChars) * charWidth / 2);
    };
    const QFont font = MakeFont(kFontMsGothic, kHeaderFontPoints);
    const QFontMetrics metrics(font);
    const auto centred = [&](const QString& text, int centre, int row) {
        const int width = metrics.horizontalAdvance(text) + 1;
        Label* label = AddLabel(text, Twips(centre - width / 2), kHeaderRowTops[row], Twips(width),
                                kHeaderRowHeight);
        label->SetFont(font);
    };
    const auto unit = [&](const QString& before, const QString& after, int centre, int row) {
        const int width = UnitWidth(before, after, font);
        AddUnitWithSquare(before, after, font, centre - width / 2,
                          TwipsToPixels(kHeaderRowTops[row]));
    };

    const int energy = fieldCentre(kEnergyColumn, kEnergyColumn);
    centred(tr("Kinetic"), energy, 0);
    centred(tr("energy"), energy, 1);
    centred(tr("MeV"), energy, 2);
    centred(tr("Mass Stopping Powers"), fieldCentre(kCollisionColumn, kTotalColumn), 0);
    const std::pair<const char*, int> powers[] = {{QT_TR_NOOP("Collision"), kCollisionColumn},
                                                  {QT_TR_NOOP("Radiative"), kRadiativeColumn},
                                                  {QT_TR_NOOP("Total"), kTotalColumn}};
    for (const auto& [title, column] : powers) {
        const int centre = fieldCentre(column, column);
        centred(tr(title), centre, 1);
        unit(tr("MeV cm"), tr("/g"), centre, 2);
    }
    const int range = fieldCentre(kRangeColumn, kRangeColumn);
    centred(tr("csda"), range, 0);
    centred(tr("range"), range, 1);
    unit(tr("g/cm"), QString(), range, 2);
}

void MainWindow::BuildQueryBlock() {
    struct Row {
        const char* label;
        const char* unit;         // the unit, or its part before a raised "2"
        const char* afterSquare;  // the part after the raised "2"; nullptr: no "2"
        const char* accessible;
        TextBox** box;
    };
    const Row rows[] = {
        {QT_TR_NOOP("Energy"), QT_TR_NOOP("MeV"), nullptr, "Energy (MeV)", &energyBox},
        {QT_TR_NOOP("Collision"), QT_TR_NOOP("MeV cm"), QT_TR_NOOP("/g"),
         "Collision stopping power", &collisionBox},
        {QT_TR_NOOP("Radiative"), QT_TR_NOOP("MeV cm"), QT_TR_NOOP("/g"),
         "Radiative stopping power", &radiativeBox},
        {QT_TR_NOOP("Total"), QT_TR_NOOP("MeV cm"), QT_TR_NOOP("/g"), "Total stopping power",
         &totalBox},
        {QT_TR_NOOP("csda range"), QT_TR_NOOP("g/cm"), "", "csda range (g/cm2)", &rangeBox}};
    int top = kQueryTop;
    for (const Row& row : rows) {
        AddLabel(tr(row.label), kQueryLabelLeft, top + 30, 1200, 240);
        *row.box = new TextBox(this, kQueryBoxLeft, top, kQueryBoxWidth, 300);
        (*row.box)->setAccessibleName(QString::fromLatin1(row.accessible));
        if (row.afterSquare == nullptr) {
            AddLabel(tr(row.unit), kQueryUnitLeft, top + 30, 1500, 240);
        } else {
            AddUnitWithSquare(tr(row.unit), *row.afterSquare ? tr(row.afterSquare) : QString(),
                              font(), TwipsToPixels(kQueryUnitLeft), TwipsToPixels(top + 30));
        }
        top += kQueryRowStep;
    }
    newEnergyButton = new Button(this, QStringLiteral("⇒"), 6840, kQueryTop, 420, 300);
    newEnergyButton->SetBackColor(kYellow);
    newEnergyButton->SetToolTip(tr(" 任意エネルギー入力  　"));
    newEnergyButton->setAccessibleName(QStringLiteral("New energy"));
    newEnergyButton->setAccessibleDescription(QStringLiteral("Empties the boxes for a new energy"));
}

void MainWindow::BuildButtons() {
    backButton = new Button(this, QString(), 240, 10320, 600, 600);
    backButton->SetPicture(ExitSignPicture());
    backButton->SetBackColor(kGreen);
    backButton->SetToolTip(tr(" bye "));
    backButton->setAccessibleName(QStringLiteral("Back to the title window"));

    okButton = new Button(this, tr("OK"), 2040, 10200, 2055, 735);
    okButton->SetBackColor(kLightYellowBackground);
    okButton->setAccessibleName(QStringLiteral("OK"));
    okButton->setAccessibleDescription(QStringLiteral("Load, list and plot the chosen material"));

    auto* dog = new Label(this, QString(), 5520, 10320, 480, 480);
    dog->setPixmap(DogPicture());
    dog->setAccessibleName(QStringLiteral("Small dog"));

    intervalTableButton =
        new Button(this, tr("等エネルギー間隔データ表作成"), 6240, 10260, 3615, 570);
    intervalTableButton->SetBackColor(kLightYellowBackground);
    intervalTableButton->setAccessibleName(
        QStringLiteral("Make an equal-energy-interval data table"));

    termsButton = new Button(this, QString(), 10200, 120, 495, 495);
    termsButton->SetPicture(QuestionMarkPicture());
    termsButton->SetBackColor(kLightYellowBackground);
    termsButton->SetToolTip(tr(" 用語の説明 "));
    termsButton->setAccessibleName(QStringLiteral("Explanation of terms"));
}

void MainWindow::ConnectHandlers() {
    elementList->onClick = [this] {
        ShowChosenFileHead(*elementList, QStringLiteral("p_QRV"), *compoundList);
    };
    compoundList->onClick = [this] {
        ShowChosenFileHead(*compoundList, QStringLiteral("p_STC"), *elementList);
    };
    energyBox->onKeyPress = [this](int keyAscii) {
        if (keyAscii == kKeyEnter) {
            AnswerTypedEnergy();
        }
    };
    energyBox->onClick = [this] { EmptyQueryBoxes(); };
    tableList->onClick = [this] { ShowTableRow(); };
    backButton->onClick = [this] { emit backRequested(); };
    okButton->onClick = [this] { LoadChosenMaterial(); };
    newEnergyButton->onClick = [this] { StartNewEnergy(); };
    termsButton->onClick = [this] { emit termsRequested(); };
    intervalTableButton->onClick = [this] { emit intervalTableRequested(); };
}

}  // namespace velmora
