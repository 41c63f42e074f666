// Every fixed text of every window, exactly as the program must show it: captions (with their
// leading and doubled blanks), labels, button captions and tool tips; and the graphs' printed
// labels with their positions and sizes.
#include <QAbstractButton>
#include <QLabel>

#include "graph/graph_window.h"
#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "interval_table/interval_table_window.h"
#include "support/program_test.h"
#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"

namespace velmora::testing {
namespace {

// The caption, then every label, button caption and tool tip of the window, sorted.
QStringList FixedTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts.append(label->text());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) {
            texts.append("button " + button->text());
        }
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) {
            texts.append("tip " + widget->toolTip());
        }
    }
    texts.sort();
    texts.prepend("caption " + window.windowTitle());
    return texts;
}

QStringList Expected(const char16_t* caption, std::initializer_list<const char16_t*> texts) {
    QStringList sorted;
    for (const char16_t* text : texts) {
        sorted.append(QString::fromUtf16(text));
    }
    sorted.sort();
    sorted.prepend("caption " + QString::fromUtf16(caption));
    return sorted;
}

using WindowTextsTest = ProgramTest;

TEST_F(WindowTextsTest, EveryWindowShowsItsFixedTextsExactly) {
    const std::pair<QWidget*, QStringList> windows[] = {
        {&titleWindow(),
         Expected(u"  Velmora",
                  {u"button 質量阻止能・飛程", u"button データ出典・文献", u"tip  bye ",
                   u"Nuttallanthus canadensis", u"Stopping-Power for Positrons",
                   u"Stopping-Power for Positrons", u"© 2026 Velmora developers"})},
        {&referenceWindow(),
         Expected(u"    Data reference",
                  {u"データ出典および文献",
                   u"M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons",
                   u"and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982).",
                   u"ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984).",
                   u"button 閉"})},
        {&termWindow(),
         Expected(u"   Meaning of the term",
                  {u"meaning of the term", u"(cited from ICRU 37)", u"collision stopping power",
                   u"the average energy loss per unit pathlength due to inelastic Coulomb "
                   u"collisions.",
                   u"radiative stopping power",
                   u"the average energy loss per init pathlength due to the emission of "
                   u"bremsstrahlung ",
                   u"in the field of the atomic nucleus and of the atomic electrons.",
                   u"csda range (continuous-slowing-down-approximation)",
                   u"the average pathlength traveled by an positron as it slows down from an "
                   u"initial",
                   u"energy to a final energy.", u"button Close"})},
        {&intervalTableWindow(),
         Expected(u"Data Table (Unrestricted)", {u"等エネルギー間隔データの作成",
                                                 u"（阻止能データのみ）",
                                                 u"（エクセルの csv 形式で保存）",
                                                 u"エネルギー範囲",
                                                 u"Max. 1000 MeV",
                                                 u"～",
                                                 u"MeV",
                                                 u"MeV",
                                                 u"エネルギー間隔",
                                                 u"Kinetic",
                                                 u"energy",
                                                 u"MeV",
                                                 u"Stopping-Power",
                                                 u"Collision",
                                                 u"Radiative",
                                                 u"MeVcm",
                                                 u"2",
                                                 u"/g",
                                                 u"MeVcm",
                                                 u"2",
                                                 u"/g",
                                                 u"保存ファイル",
                                                 u"ファイル名（拡張子なしで入力）",
                                                 u"button Calculation",
                                                 u"button Save",
                                                 u"button Cancel"})},
        {&mainWindow(),
         Expected(u"Mass Stopping Powers and  csda range data",
                  {u"Elements", u"Compounds and Mixtures", u"Material name", u"density (g/cm  )",
                   u"3", u"mean excitation energy",
                   // the table list's header
                   u"Kinetic", u"energy", u"MeV", u"Mass Stopping Powers", u"Collision",
                   u"Radiative", u"Total", u"MeV cm", u"2", u"/g", u"MeV cm", u"2", u"/g",
                   u"MeV cm", u"2", u"/g", u"csda", u"range", u"g/cm", u"2",
                   // the query block
                   u"Energy", u"MeV", u"Collision", u"MeV cm", u"2", u"/g", u"Radiative", u"MeV cm",
                   u"2", u"/g", u"Total", u"MeV cm", u"2", u"/g", u"csda range", u"g/cm", u"2",
                   // buttons
                   u"button OK", u"button ⇒", u"button 等エネルギー間隔データ表作成",
                   u"tip  任意エネルギー入力  　", u"tip  bye ", u"tip  用語の説明 "})}};
    for (const auto& [window, expected] : windows) {
        EXPECT_EQ(FixedTexts(*window), expected);
    }
}

struct Printed {
    std::string text;
    double x, y, points;
    bool operator==(const Printed&) const = default;
};

std::vector<Printed> PrintedOn(const PictureBox& box) {
    std::vector<Printed> printed;
    for (const PrintedText& text : box.PrintedTexts()) {
        printed.push_back({text.text.toStdString(), text.x, text.y, text.points});
    }
    return printed;
}

void PrintTo(const Printed& p, std::ostream* os) {
    *os << '"' << p.text << "\" at (" << p.x << ", " << p.y << "), " << p.points << " pt";
}

// Expected prints of a power-of-ten label: "10" in 14 points, the exponent in 8 points right after
// it on the same top line (its x depends on the font, so the exponent's x is taken as printed).
void PowerOfTen(std::vector<Printed>& out, double x, double y, const char* exponent) {
    out.push_back({"10", x, y, 14});
    out.push_back({exponent, -1, y, 8});
}

TEST_F(WindowTextsTest, GraphsPrintTheirLabelsAtTheirPlacesAndTheCursorLinesHaveFixedEnds) {
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    mainWindow();
    SharedMaterialTable().DataFilePath = "p_QRV\\m.qrv";
    mainWindow().okButton->click();
    std::vector<Printed> upper = {{"Mass Stopping Power", 2.5, 12.8, 14},
                                  {"Mass Collision Stopping Power", 2.5, 11.8, 14},
                                  {"Mass Radiation Stopping Power", 2.5, 10.8, 14}};
    const char* energyExponents[] = {"-2", "-1", "0", "1", "2", "3"};
    for (int i = 0; i < 6; ++i)
        PowerOfTen(upper, -0.4 + 2.3 * i, -0.1, energyExponents[i]);
    upper.push_back({"Electron kinetic energy,    MeV", 3.0, -0.8, 14});
    const std::pair<double, const char*> stopping[] = {
        {0.4, "-3"}, {2.6, "-2"}, {4.9, "-1"}, {7.2, "0"}, {9.5, "1"}, {11.8, "2"}, {14.1, "3"}};
    for (const auto& [y, exponent] : stopping)
        PowerOfTen(upper, -0.8, y, exponent);
    upper.insert(upper.end(), {{"MeV", -1.3, 11.0, 14},
                               {"cm", -1.3, 10.5, 14},
                               {"2", -1, 10.5, 8},
                               {"/g", -1, 10.5, 14}});
    std::vector<Printed> lower;
    for (const auto& [y, exponent] : {std::pair{0.8, "-4"}, {4.9, "-2"}, {9.5, "0"}, {14.1, "2"}})
        PowerOfTen(lower, -0.8, y, exponent);
    lower.insert(lower.end(), {{"csda", -1.3, 12.6, 14},
                               {"g", -1.3, 11.2, 14},
                               {"/cm", -1, 11.2, 14},
                               {"2", -1, 11.2, 8}});
    for (const auto& [box, expected] : {std::pair{graphWindow().stoppingPowerGraph, upper},
                                        std::pair{graphWindow().rangeGraph, lower}}) {
        std::vector<Printed> printed = PrintedOn(*box);
        ASSERT_EQ(printed.size(), expected.size());
        for (size_t i = 0; i < printed.size(); ++i) {
            // A text that continues the line starts right of the one before it.
            if (expected[i].x == -1) {
                EXPECT_GT(printed[i].x, printed[i - 1].x) << i;
                printed[i].x = -1;
            }
            EXPECT_NEAR(printed[i].x, expected[i].x, 1e-12) << i;
            printed[i].x = expected[i].x;
        }
        EXPECT_EQ(printed, expected);
    }

    struct Line {
        LineControl* line;
        QColor color;
        float x1, y1, x2, y2;  // the moving coordinate as 0
    };
    const GraphWindow& g = graphWindow();
    const Line lines[] = {{g.stoppingEnergyLine, QColor(0, 255, 255), 0, 13.76f, 0, 0},
                          {g.collisionLine, QColor(255, 255, 0), -0.06f, 0, 11.44f, 0},
                          {g.radiativeLine, QColor(255, 0, 0), 0, 0, 11.5f, 0},
                          {g.totalLine, QColor(255, 255, 255), 0, 0, 11.5f, 0},
                          {g.rangeEnergyLine, QColor(0, 255, 255), 0, 13.75f, 0, 0},
                          {g.rangeLine, QColor(255, 255, 0), 0, 0, 11.5f, 0}};
    mainWindow().tableList->SetListIndex(40);  // moves every line to row 41
    for (const Line& expected : lines) {
        const LineControl& line = *expected.line;
        const bool vertical = expected.y1 != 0;
        EXPECT_EQ(line.Color(), expected.color);
        EXPECT_EQ(
            vertical ? std::tuple(line.Y1(), line.Y2()) : std::tuple(line.X1(), line.X2()),
            vertical ? std::tuple(expected.y1, expected.y2) : std::tuple(expected.x1, expected.x2));
        EXPECT_EQ(vertical ? line.X1() : line.Y1(), vertical ? line.X2() : line.Y2());
        EXPECT_NE(vertical ? line.X1() : line.Y1(), 0.0f);
    }
    // The energy lines stand in their own graph: each box shows its vertical cyan line.
    for (const auto& [box, line] : {std::pair{g.stoppingPowerGraph, g.stoppingEnergyLine},
                                    std::pair{g.rangeGraph, g.rangeEnergyLine}}) {
        EXPECT_EQ(box->Composite().pixelColor(box->ToPixel(line->X1(), 1.0)), QColor(0, 255, 255));
    }
}

}  // namespace
}  // namespace velmora::testing
