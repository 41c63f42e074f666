// Every fixed text of the windows exactly as the program must show it: captions (with their
// leading and doubled blanks), labels, button captions and tool tips; the graphs' printed labels
// with their places and sizes, and the cursor lines' colours and fixed ends.
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

// The caption, then every label, button caption ("button ...") and tool tip ("tip ...") of the
// window, sorted, joined by "|". Labels are left out where only captions and tips are fixed.
QString FixedTexts(const QWidget& window, bool withLabels = true) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (withLabels && !label->text().isEmpty())
            texts.append(label->text());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (withLabels && !button->text().isEmpty())
            texts.append("button " + button->text());
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty())
            texts.append("tip " + widget->toolTip());
    }
    texts.sort();
    return (QStringList{window.windowTitle()} + texts).join('|');
}

// The caption first, the other texts in any order.
QString Expected(const char16_t* texts) {
    QStringList parts = QString::fromUtf16(texts).split('|');
    const QString caption = parts.takeFirst();
    parts.sort();
    return (QStringList{caption} + parts).join('|');
}

using WindowTextsTest = ProgramTest;

TEST_F(WindowTextsTest, EveryWindowShowsItsFixedTextsExactly) {
    const std::tuple<QWidget*, bool, const char16_t*> windows[] = {
        {&titleWindow(), true,
         u"  Velmora|button 質量阻止能・飛程|button データ出典・文献|tip  bye |"
         u"Nuttallanthus canadensis|Stopping-Power for Positrons|Stopping-Power for Positrons|"
         u"© 2026 Velmora developers"},
        {&referenceWindow(), true,
         u"    Data reference|データ出典および文献|"
         u"M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons|"
         u"and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982).|"
         u"ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984).|"
         u"button 閉"},
        {&termWindow(), true,
         u"   Meaning of the term|meaning of the term|(cited from ICRU 37)|"
         u"collision stopping power|the average energy loss per unit pathlength due to "
         u"inelastic Coulomb collisions.|radiative stopping power|the average energy loss per "
         u"init pathlength due to the emission of bremsstrahlung |in the field of the atomic "
         u"nucleus and of the atomic electrons.|csda range (continuous-slowing-down-approximation)|"
         u"the average pathlength traveled by an positron as it slows down from an initial|"
         u"energy to a final energy.|button Close"},
        {&intervalTableWindow(), true,
         u"Data Table (Unrestricted)|等エネルギー間隔データの作成|（阻止能データのみ）|"
         u"（エクセルの csv 形式で保存）|エネルギー範囲|Max. 1000 MeV|～|MeV|MeV|エネルギー間隔|"
         u"Kinetic|energy|MeV|Stopping-Power|Collision|Radiative|MeVcm|2|/g|MeVcm|2|/g|"
         u"保存ファイル|ファイル名（拡張子なしで入力）|button Calculation|button Save|button "
         u"Cancel"},
        {&mainWindow(), false,
         u"Mass Stopping Powers and  csda range data|tip  任意エネルギー入力  　|tip  bye |"
         u"tip  用語の説明 "}};
    for (const auto& [window, withLabels, expected] : windows) {
        EXPECT_EQ(FixedTexts(*window, withLabels).toStdString(), Expected(expected).toStdString());
    }
}

// What a graph printed: "text@x,y/points", joined by "|"; "~" for the x of a text that continues
// the line just right of the one before it (its x depends on the font's widths).
QString Printed(const PictureBox& graph) {
    QStringList printed;
    double previousX = 0, previousY = 0;
    for (const PrintedText& text : graph.PrintedTexts()) {
        const bool continues = text.y == previousY && text.x > previousX && text.x < previousX + 1;
        const QString x = continues ? QStringLiteral("~") : QString::number(text.x);
        printed.append(
            QStringLiteral("%1@%2,%3/%4").arg(text.text, x).arg(text.y).arg(text.points));
        previousX = text.x;
        previousY = text.y;
    }
    return printed.join('|');
}

TEST_F(WindowTextsTest, GraphsPrintTheirLabelsAtTheirPlacesAndTheCursorLinesHaveFixedEnds) {
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    mainWindow();
    SharedMaterialTable().DataFilePath = "p_QRV\\m.qrv";
    mainWindow().okButton->click();
    const GraphWindow& g = graphWindow();
    EXPECT_EQ(Printed(*g.stoppingPowerGraph).toStdString(),
              "Mass Stopping Power@2.5,12.8/14|Mass Collision Stopping Power@2.5,11.8/14|"
              "Mass Radiation Stopping Power@2.5,10.8/14|"
              "10@-0.4,-0.1/14|-2@~,-0.1/8|10@1.9,-0.1/14|-1@~,-0.1/8|10@4.2,-0.1/14|0@~,-0.1/8|"
              "10@6.5,-0.1/14|1@~,-0.1/8|10@8.8,-0.1/14|2@~,-0.1/8|10@11.1,-0.1/14|3@~,-0.1/8|"
              "Electron kinetic energy,    MeV@3,-0.8/14|"
              "10@-0.8,0.4/14|-3@~,0.4/8|10@-0.8,2.6/14|-2@~,2.6/8|10@-0.8,4.9/14|-1@~,4.9/8|"
              "10@-0.8,7.2/14|0@~,7.2/8|10@-0.8,9.5/14|1@~,9.5/8|10@-0.8,11.8/14|2@~,11.8/8|"
              "10@-0.8,14.1/14|3@~,14.1/8|MeV@-1.3,11/14|cm@-1.3,10.5/14|2@~,10.5/8|/g@~,10.5/14");
    EXPECT_EQ(Printed(*g.rangeGraph).toStdString(),
              "10@-0.8,0.8/14|-4@~,0.8/8|10@-0.8,4.9/14|-2@~,4.9/8|10@-0.8,9.5/14|0@~,9.5/8|"
              "10@-0.8,14.1/14|2@~,14.1/8|csda@-1.3,12.6/14|g@-1.3,11.2/14|/cm@~,11.2/14|"
              "2@~,11.2/8");

    // Colour, the fixed ends (the moving coordinate as 0) and whether the line is vertical.
    const std::tuple<LineControl*, QColor, QLineF, bool> lines[] = {
        {g.stoppingEnergyLine, QColor(0, 255, 255), QLineF(0, 13.76f, 0, 0), true},
        {g.collisionLine, QColor(255, 255, 0), QLineF(-0.06f, 0, 11.44f, 0), false},
        {g.radiativeLine, QColor(255, 0, 0), QLineF(0, 0, 11.5f, 0), false},
        {g.totalLine, QColor(255, 255, 255), QLineF(0, 0, 11.5f, 0), false},
        {g.rangeEnergyLine, QColor(0, 255, 255), QLineF(0, 13.75f, 0, 0), true},
        {g.rangeLine, QColor(255, 255, 0), QLineF(0, 0, 11.5f, 0), false}};
    mainWindow().tableList->SetListIndex(40);  // moves every line to row 41
    for (const auto& [line, colour, ends, vertical] : lines) {
        EXPECT_EQ(line->Color(), colour);
        const QLineF now(line->X1(), line->Y1(), line->X2(), line->Y2());
        EXPECT_EQ(vertical ? QLineF(0, now.y1(), 0, now.y2()) : QLineF(now.x1(), 0, now.x2(), 0),
                  ends);
        EXPECT_TRUE(vertical ? now.x1() == now.x2() && now.x1() != 0
                             : now.y1() == now.y2() && now.y1() != 0);
    }
    // The energy lines stand in their own graph: each box shows its vertical cyan line.
    for (const auto& [box, line] : {std::pair{g.stoppingPowerGraph, g.stoppingEnergyLine},
                                    std::pair{g.rangeGraph, g.rangeEnergyLine}}) {
        EXPECT_EQ(box->Composite().pixelColor(box->ToPixel(line->X1(), 1.0)), QColor(0, 255, 255));
    }
}

}  // namespace
}  // namespace velmora::testing
