// The positron-emitters window: opened by mouse and keyboard, following the loaded material,
// the positron or electron tables, marking the chosen nuclide on both graphs, the thickness box,
// the user's nuclide list and the texts in both languages.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "app/language.h"
#include "core/emitter_ranges.h"
#include "emitters_window/emitters_window.h"
#include "graph/graph_test_support.h"

namespace velmora::testing {
namespace {

const QColor kMagenta(255, 0, 255);

class EmittersWindowTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        qputenv("XDG_DATA_HOME", QDir::currentPath().toUtf8());  // the user's nuclide list here
    }
    static EmittersWindow& Window() { return emittersWindow(); }
    static QString CellText(int row, int column) {
        return Window().table->item(row, column)->text();
    }
    static int RowOf(const char* name) {
        for (int row = 0; row < Window().table->rowCount(); ++row)
            if (CellText(row, 0).startsWith(name))
                return row;
        return -1;
    }
    // Ctrl+E in the main window, as the user presses it there.
    static void PressCtrlE() {
        MainWindow& main = mainWindow();
        main.Show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
    }
    // The bundled water tables of both particles in the working folder, loaded with OK.
    void LoadWater() {
        for (const char* folder : {"p_STC", "e_STC"}) {
            QDir().mkpath(folder);
            QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/data/%1/Water liquid.stc").arg(folder),
                        QStringLiteral("%1/Water liquid.stc").arg(folder));
        }
        mainWindow();
        SharedMaterialTable().DataFilePath = "p_STC\\Water liquid.stc";
        mainWindow().okButton->click();
        ASSERT_TRUE(recorder_.Messages().empty());
        ASSERT_TRUE(graphWindow().ShownElectrons().table.has_value());
    }
    static void WriteUserList(const std::string& lines) {
        QDir().mkpath("velmora/emitters");
        std::ofstream("velmora/emitters/positron_emitters.csv")
            << std::string(kNuclideListHeader) << "\n"
            << lines;
    }
};

// Every figure of the table is the core's for the loaded material, in g/cm2 and in mm.
void ExpectFiguresOf(const MaterialTable& table) {
    const EmittersWindow& w = emittersWindow();
    ASSERT_EQ(w.table->rowCount(), 11);
    for (int row = 0; row < 11; ++row) {
        const Nuclide& n = BundledNuclides()[static_cast<std::size_t>(row)];
        const EmitterRanges r = *ComputeEmitterRanges(n, table);
        const double ranges[] = {r.rMax, r.rMean, r.meanCsdaRange};
        EXPECT_EQ(w.table->item(row, 0)->text().toStdString(), n.name);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(w.table->item(row, 5 + k)->text(), Scientific(ranges[k]));
            EXPECT_EQ(w.table->item(row, 8 + k)->text().toStdString(),
                      FormatPattern(RangeInMillimetres(ranges[k], table.Density), "#0.000"));
        }
        const double share = *ShareBeyond(n, table, MillimetresInGPerCm2(1.0, table.Density));
        EXPECT_EQ(w.table->item(row, 11)->text().toStdString(),
                  FormatPattern(share * 100, "#0.00"));
    }
}

TEST_F(EmittersWindowTest, OpensByKeyAndMenuAndFollowsTheLoadedMaterial) {
    EXPECT_EQ(Window().table->rowCount(), 0);  // nothing loaded yet
    EXPECT_TRUE(Window().noticeLabel->text().contains(QStringLiteral("主画面で物質を読み込む")));
    ResetProgramState();

    LoadWithOk(SmoothMaterial("Light", 1.0));
    PressCtrlE();
    ASSERT_TRUE(EmittersWindowExists());
    EXPECT_TRUE(Window().isVisible());
    ExpectFiguresOf(SharedMaterialTable());
    EXPECT_TRUE(Window().materialLabel->text().startsWith("Light"));
    EXPECT_TRUE(Window().noticeLabel->text().isEmpty());

    LoadWithOk(SmoothMaterial("Dense", 2.5));
    ExpectFiguresOf(SharedMaterialTable());
    EXPECT_TRUE(Window().materialLabel->text().startsWith("Dense"));
    EXPECT_TRUE(Window().materialLabel->text().contains("2.500"));

    Window().closeButton->click();
    EXPECT_FALSE(Window().isVisible());
    graphWindow().emittersAction->trigger();  // the graphs' menu item
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(graphWindow().contextMenu->actions().contains(graphWindow().emittersAction));
    EXPECT_EQ(graphWindow().emittersAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
}

// The figures of water that reviews of PET nuclides print come from the electron tables: the
// choice switches every column, and follows each newly loaded material.
TEST_F(EmittersWindowTest,
       TheElectronTablesGiveTheLiteraturesFiguresAndTheChoiceFollowsTheMaterial) {
    LoadWater();
    EmittersWindow& w = Window();
    w.ShowAndMark();
    const int f18 = RowOf("F-18"), ga68 = RowOf("Ga-68");
    w.ChooseRow(f18);
    // Rmax, Rmean and the mean csda range in mm, F-18 and Ga-68, as velmora-query prints them.
    const auto figures = [&] {
        return std::vector<QString>{CellText(f18, 8),  CellText(f18, 9),  CellText(f18, 10),
                                    CellText(ga68, 8), CellText(ga68, 9), CellText(ga68, 10)};
    };
    const std::vector<QString> positrons{"2.428", "0.619", "0.681", "9.388", "3.469", "3.543"};
    const std::vector<QString> electrons{"2.434", "0.636", "0.695", "9.236", "3.457", "3.522"};
    EXPECT_EQ(figures(), positrons);
    EXPECT_TRUE(w.positronChoice->isChecked() && w.electronChoice->isEnabled());
    EXPECT_TRUE(w.electronReason->text().isEmpty());

    QTest::mouseClick(w.electronChoice, Qt::LeftButton, {},
                      QPoint(8, w.electronChoice->height() / 2));
    EXPECT_TRUE(w.ShowingElectrons());
    EXPECT_EQ(figures(), electrons);
    ExpectFiguresOf(*graphWindow().ShownElectrons().table);
    EXPECT_TRUE(w.materialLabel->text().contains(QStringLiteral("同じエネルギーの電子")));
    EXPECT_EQ(w.ChosenRow(), f18);  // the chosen nuclide stays chosen

    // A material without electron table: its positron figures, the choice disabled and why.
    LoadWithOk(SmoothMaterial("Light"));
    EXPECT_FALSE(w.ShowingElectrons());
    EXPECT_TRUE(w.positronChoice->isChecked());
    EXPECT_FALSE(w.electronChoice->isEnabled());
    EXPECT_TRUE(w.electronReason->isVisible());
    EXPECT_TRUE(w.electronReason->text().contains("electron table"));
    EXPECT_EQ(w.electronChoice->toolTip(), w.electronReason->text());
    ExpectFiguresOf(SharedMaterialTable());
    EXPECT_TRUE(w.materialLabel->text().contains(QStringLiteral("陽電子の csda")));
    // The choice of electrons comes back with a material that has them; positrons stay chosen.
    LoadWater();
    EXPECT_TRUE(w.electronChoice->isChecked() && w.electronChoice->isEnabled());
    EXPECT_EQ(figures(), electrons);
    w.positronChoice->click();
    EXPECT_EQ(figures(), positrons);
    LoadWithOk(SmoothMaterial("Light"));
    LoadWater();
    EXPECT_FALSE(w.ShowingElectrons());
    EXPECT_EQ(figures(), positrons);
}

// Opened after a file is merely clicked in the main window, the window shows the material loaded
// with OK, not the clicked file's name and density over the loaded rows.
TEST_F(EmittersWindowTest, ItShowsTheMaterialLoadedWithOkNotAFileOnlyClicked) {
    WriteMaterialFile("p_QRV", "Dense.qrv", SmoothMaterial("Dense", 2.5));
    LoadWater();
    FileListBox& elements = *mainWindow().elementList;
    elements.setCurrentRow(elements.row(elements.findItems("Dense.qrv", Qt::MatchExactly).first()));
    ASSERT_EQ(SharedMaterialTable().MaterialName, "Dense");
    PressCtrlE();
    EXPECT_TRUE(Window().materialLabel->text().startsWith("Water, liquid"));
    EXPECT_EQ(CellText(RowOf("F-18"), 8), "2.428");
    EXPECT_TRUE(Window().electronChoice->isEnabled());
}

TEST_F(EmittersWindowTest, TheChosenNuclideIsMarkedOnBothGraphsInItsOwnColour) {
    LoadWithOk(DistinctCurvesMaterial());
    GraphWindow& graph = graphWindow();
    Window().ShowAndMark();
    const auto marksShown = [&] {
        return int(std::count_if(graph.emitterLines.begin(), graph.emitterLines.end(),
                                 [](const LineControl* line) { return line->Visible(); }));
    };
    EXPECT_EQ(marksShown(), 0);
    Window().ChooseRow(RowOf("Ga-68"));
    ASSERT_EQ(marksShown(), 4);
    const Nuclide& ga = *FindNuclide(BundledNuclides(), "Ga-68");
    const float endpointX = static_cast<float>(CursorX(ga.HighestEndpointMeV()));
    const float meanX = static_cast<float>(CursorX(ga.MeanEnergyMeV()));
    for (std::size_t k = 0; k < 4; ++k) {
        const LineControl& line = *graph.emitterLines[k];
        EXPECT_EQ(line.X1(), k % 2 == 0 ? endpointX : meanX) << k;
        EXPECT_EQ(line.X2(), line.X1());
        EXPECT_EQ(line.Color(), kMagenta);
    }
    for (const LineControl* cursor :
         {graph.stoppingEnergyLine, graph.collisionLine, graph.radiativeLine, graph.totalLine,
          graph.rangeEnergyLine, graph.rangeLine})
        EXPECT_NE(cursor->Color(), kMagenta);
    EXPECT_EQ(CursorLinesShown(), 0);  // the cursor lines keep their meaning and their state
    // On screen: magenta in the middle of each graph at the endpoint, above the curves.
    for (PictureBox* box : {graph.stoppingPowerGraph, graph.rangeGraph}) {
        const QPoint at = box->ToPixel(endpointX, 7.0);
        EXPECT_EQ(box->Composite().pixelColor(at), kMagenta);
    }

    // A pointer on a graph moves the cursor lines and leaves the marks alone.
    graph.ReadOut(*graph.stoppingPowerGraph, 5.0f, 5.0f);
    EXPECT_EQ(CursorLinesShown(), 6);
    EXPECT_EQ(marksShown(), 4);
    // Another material: the marks stay; no choice, or a closed window: they go.
    LoadWithOk(SmoothMaterial("Other"));
    EXPECT_EQ(marksShown(), 4);
    EXPECT_EQ(graph.emitterLines[0]->X1(), endpointX);
    Window().ChooseRow(RowOf("F-18"));
    EXPECT_EQ(graph.emitterLines[1]->X1(), static_cast<float>(CursorX(0.2498)));
    Window().ChooseRow(-1);
    EXPECT_EQ(marksShown(), 0);
    Window().ChooseRow(RowOf("F-18"));
    Window().closeButton->click();
    EXPECT_EQ(marksShown(), 0);
    LoadWithOk(SmoothMaterial("Again"));
    EXPECT_EQ(marksShown(), 0);  // a hidden window marks nothing
    PressCtrlE();
    EXPECT_EQ(marksShown(), 4);  // the choice comes back with the window
    mainWindow().backButton->click();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(marksShown(), 0);
}

TEST_F(EmittersWindowTest, TheThicknessBoxTakesMillimetresAndRefusesTheRest) {
    LoadWithOk(SmoothMaterial("Dense", 2.0));
    Window().ShowAndMark();
    const MaterialTable& table = SharedMaterialTable();
    const int f18 = RowOf("F-18");
    const Nuclide& n = BundledNuclides()[static_cast<std::size_t>(f18)];
    Window().thicknessBox->SetText("0.5");
    QTest::keyClick(Window().thicknessBox, Qt::Key_Return);
    const double share = *ShareBeyond(n, table, MillimetresInGPerCm2(0.5, 2.0));
    EXPECT_EQ(CellText(f18, 11).toStdString(), FormatPattern(share * 100, "#0.00"));
    EXPECT_TRUE(Window().table->horizontalHeaderItem(11)->text().startsWith("0.5 mm"));
    EXPECT_TRUE(Window().boundNote->text().contains("0.5 mm"));
    EXPECT_TRUE(recorder_.Messages().empty());
    for (const char* wrong : {"abc", "0", "-1", "", "1mm"}) {
        Window().thicknessBox->SetText(wrong);
        QTest::keyClick(Window().thicknessBox, Qt::Key_Return);
        ExpectMessage(QStringLiteral("厚さは正の数"));
        EXPECT_EQ(CellText(f18, 11).toStdString(), FormatPattern(share * 100, "#0.00")) << wrong;
    }
}

TEST_F(EmittersWindowTest, TheUsersNuclidesAreMarkedAndAMalformedListIsShownNotUsed) {
    WriteUserList("F-18,8,18,109.7,min,700,280,90\nTb-152,64,152,17.5,h,2620,1140,20.3\n");
    LoadWithOk(SmoothMaterial());
    Window().ShowAndMark();
    EXPECT_EQ(Window().table->rowCount(), 12);
    EXPECT_EQ(CellText(RowOf("F-18"), 0), "F-18 *");
    EXPECT_EQ(CellText(11, 0), "Tb-152 *");
    EXPECT_EQ(CellText(RowOf("F-18"), 3), "0.7000");
    EXPECT_TRUE(Window().noticeLabel->text().contains("velmora/emitters/positron_emitters.csv"));

    ResetProgramState();
    WriteUserList("Tb-152,64,152,17.5,h,2620,1140,20.3\nF-18,8,18,109.7,min,700\n");
    LoadWithOk(SmoothMaterial());
    Window().ShowAndMark();
    ExpectFiguresOf(SharedMaterialTable());
    EXPECT_TRUE(Window().noticeLabel->text().contains(", line 3, was not read"));
}

TEST_F(EmittersWindowTest, EveryControlHasAnAccessibleNameAndTheTextsHaveEnglish) {
    ASSERT_TRUE(UseLanguage(Language::English));
    LoadWithOk(SmoothMaterial("Light"));
    Window().ShowAndMark();
    for (QWidget* widget : Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QTableWidget*>(widget)) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
        }
    }
    EXPECT_EQ(Window().Caption(), "Ranges of positron emitters");
    EXPECT_EQ(Window().table->horizontalHeaderItem(0)->text(), "Nuclide");
    EXPECT_EQ(Window().closeButton->text(), "Close");
    EXPECT_EQ(Window().electronChoice->text(), "Electrons (to compare with the literature)");
    EXPECT_FALSE(Window().electronChoice->isEnabled());
    EXPECT_TRUE(Window().materialLabel->text().startsWith("Light (density 1.000 g/cm3"));
    EXPECT_TRUE(Window().boundNote->text().contains("upper bound"));
    UseLanguage(Language::Designed);
}

}  // namespace
}  // namespace velmora::testing
