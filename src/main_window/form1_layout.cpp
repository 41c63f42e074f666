// The main window's controls: positions in twips, fonts, colours, tool tips and the table header.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "main_window/form1.h"
#include "main_window/pictures.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"
#include "toolkit/program.h"
#include "toolkit/twips.h"

namespace velmora {
namespace {

// The graph window's width, for placing the two windows side by side, and the gap between them.
constexpr int kGraphWindowWidthTwips = 8160;
constexpr int kWindowGap = 16;

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

Form1::Form1() : Window(QStringLiteral("Mass Stopping Powers and  csda range data"), 10755, 11145) {
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

Label* Form1::AddLabel(const QString& text, int left, int top, int width, int height) {
    auto* label = new Label(this, text, left, top, width, height);
    label->setAccessibleName(text.simplified());
    return label;
}

Label* Form1::AddRaisedDigit(const QString& digit, int leftPixels, int topPixels) {
    const QFont small = RaisedDigitFont();
    auto* label = new Label(this, digit, Twips(leftPixels), Twips(topPixels - kRaisedDigitLift),
                            Twips(RaisedDigitWidth()), Twips(QFontMetrics(small).height()));
    label->SetFont(small);
    label->setAccessibleName(digit == QLatin1String("2") ? QStringLiteral("squared")
                                                         : QStringLiteral("cubed"));
    return label;
}

void Form1::AddUnitWithSquare(const QString& before, const QString& after, const QFont& font,
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

void Form1::BuildFileLists() {
    AddLabel(QStringLiteral("Elements"), 240, 240, 1695, 240);
    File1 = new FileListBox(this, QStringLiteral("*.qrv"), 240, 480, 1695, 7290);
    File1->setAccessibleName(QStringLiteral("Elements"));
    AddLabel(QStringLiteral("Compounds and Mixtures"), 2040, 240, 3255, 240);
    File2 = new FileListBox(this, QStringLiteral("*.stc"), 2040, 480, 3255, 7290);
    File2->setAccessibleName(QStringLiteral("Compounds and Mixtures"));
}

void Form1::BuildHeadBoxes() {
    AddLabel(QStringLiteral("Material name"), 240, 8280, 2400, 240);
    Text1 = new TextBox(this, 240, 8520, 4815, kBoxHeight);
    Text1->setAccessibleName(QStringLiteral("Material name"));

    const QString densityText = QStringLiteral("density (g/cm  )");
    Label* density = AddLabel(densityText, 240, 9120, 2400, 240);
    density->setAccessibleName(QStringLiteral("density (g/cm3)"));
    const int digitLeft = density->x() + QFontMetrics(font()).horizontalAdvance(
                                             densityText.left(densityText.indexOf(u')') - 2));
    AddRaisedDigit(QStringLiteral("3"), digitLeft + 1, density->y());
    Text2 = new TextBox(this, 240, 9600, 2415, kBoxHeight);
    Text2->setAccessibleName(QStringLiteral("Density (g/cm3)"));

    AddLabel(QStringLiteral("mean excitation energy"), 2880, 9120, 2400, 240);
    Text6 = new TextBox(this, 2880, 9630, 2175, kBoxHeight);
    Text6->setAccessibleName(QStringLiteral("Mean excitation energy"));
}

void Form1::BuildTableList() {
    List1 = new ListBox(this, 5520, 960, 5055, 7080);
    List1->setAccessibleName(QStringLiteral("Table of the material"));
    List1->ensurePolished();
}

void Form1::BuildTableHeader() {
    // The list's text starts inside its frame and the item margin; every column is a whole
    // number of fixed-pitch characters from there.
    const int textMargin =
        List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List1) + 1;
    const int origin = List1->x() + List1->frameWidth() + textMargin;
    const double charWidth = QFontMetricsF(List1->font()).horizontalAdvance(QLatin1Char('0'));
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
    centred(QStringLiteral("Kinetic"), energy, 0);
    centred(QStringLiteral("energy"), energy, 1);
    centred(QStringLiteral("MeV"), energy, 2);
    centred(QStringLiteral("Mass Stopping Powers"), fieldCentre(kCollisionColumn, kTotalColumn), 0);
    const std::pair<const char*, int> powers[] = {
        {"Collision", kCollisionColumn}, {"Radiative", kRadiativeColumn}, {"Total", kTotalColumn}};
    for (const auto& [title, column] : powers) {
        const int centre = fieldCentre(column, column);
        centred(QString::fromLatin1(title), centre, 1);
        unit(QStringLiteral("MeV cm"), QStringLiteral("/g"), centre, 2);
    }
    const int range = fieldCentre(kRangeColumn, kRangeColumn);
    centred(QStringLiteral("csda"), range, 0);
    centred(QStringLiteral("range"), range, 1);
    unit(QStringLiteral("g/cm"), QString(), range, 2);
}

void Form1::BuildQueryBlock() {
    struct Row {
        const char* label;
        const char* unit;
        const char* accessible;
        TextBox** box;
    };
    const Row rows[] = {{"Energy", "MeV", "Energy (MeV)", &Text3},
                        {"Collision", "MeV cm2/g", "Collision stopping power", &Text7},
                        {"Radiative", "MeV cm2/g", "Radiative stopping power", &Text8},
                        {"Total", "MeV cm2/g", "Total stopping power", &Text4},
                        {"csda range", "g/cm2", "csda range (g/cm2)", &Text5}};
    int top = kQueryTop;
    for (const Row& row : rows) {
        AddLabel(QString::fromLatin1(row.label), kQueryLabelLeft, top + 30, 1200, 240);
        *row.box = new TextBox(this, kQueryBoxLeft, top, kQueryBoxWidth, 300);
        (*row.box)->setAccessibleName(QString::fromLatin1(row.accessible));
        const QString unitText = QString::fromLatin1(row.unit);
        const int square = unitText.indexOf(u'2');
        if (square < 0) {
            AddLabel(unitText, kQueryUnitLeft, top + 30, 1500, 240);
        } else {
            AddUnitWithSquare(unitText.left(square), unitText.mid(square + 1), font(),
                              TwipsToPixels(kQueryUnitLeft), TwipsToPixels(top + 30));
        }
        top += kQueryRowStep;
    }
    Command3 = new Button(this, QStringLiteral("⇒"), 6840, kQueryTop, 420, 300);
    Command3->SetBackColor(kYellow);
    Command3->SetToolTip(QStringLiteral(" 任意エネルギー入力  　"));
    Command3->setAccessibleName(QStringLiteral("New energy"));
    Command3->setAccessibleDescription(QStringLiteral("Empties the boxes for a new energy"));
}

void Form1::BuildButtons() {
    Command1 = new Button(this, QString(), 240, 10320, 600, 600);
    Command1->SetPicture(ExitSignPicture());
    Command1->SetBackColor(kGreen);
    Command1->SetToolTip(QStringLiteral(" bye "));
    Command1->setAccessibleName(QStringLiteral("Back to the title window"));

    Command2 = new Button(this, QStringLiteral("OK"), 2040, 10200, 2055, 735);
    Command2->SetBackColor(kLightYellowBackground);
    Command2->setAccessibleName(QStringLiteral("OK"));
    Command2->setAccessibleDescription(QStringLiteral("Load, list and plot the chosen material"));

    Picture1 = new Label(this, QString(), 5520, 10320, 480, 480);
    Picture1->setPixmap(DogPicture());
    Picture1->setAccessibleName(QStringLiteral("Small dog"));

    Command5 =
        new Button(this, QStringLiteral("等エネルギー間隔データ表作成"), 6240, 10260, 3615, 570);
    Command5->SetBackColor(kLightYellowBackground);
    Command5->setAccessibleName(QStringLiteral("Make an equal-energy-interval data table"));

    Command4 = new Button(this, QString(), 10200, 120, 495, 495);
    Command4->SetPicture(QuestionMarkPicture());
    Command4->SetBackColor(kLightYellowBackground);
    Command4->SetToolTip(QStringLiteral(" 用語の説明 "));
    Command4->setAccessibleName(QStringLiteral("Explanation of terms"));
}

void Form1::ConnectHandlers() {
    File1->onClick = [this] { FileClick(*File1, QStringLiteral("p_QRV"), *File2); };
    File2->onClick = [this] { FileClick(*File2, QStringLiteral("p_STC"), *File1); };
    Text3->onKeyPress = [this](int keyAscii) { Text3KeyPress(keyAscii); };
    Text3->onClick = [this] { ClearQueryBoxes(); };
    List1->onClick = [this] { List1Click(); };
    Command1->onClick = [this] { Command1Click(); };
    Command2->onClick = [this] { Command2Click(); };
    Command3->onClick = [this] { Command3Click(); };
    Command4->onClick = [this] { Command4Click(); };
    Command5->onClick = [this] { Command5Click(); };
    onClose = [] { End(); };
}

}  // namespace velmora
