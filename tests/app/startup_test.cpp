// Start-up and the ways between the title and main windows and out of the program.
#include <QTest>

#include "core/energy_query.h"
#include "core/number_format.h"
#include "core/shared_tables.h"
#include "graph/graph_window.h"
#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "interval_table/interval_table_window.h"
#include "support/program_test.h"
#include "support/user_input.h"
#include "toolkit/picture_box.h"

namespace velmora::testing {
namespace {

class StartupTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON"));
        titleWindow().Show();  // the title window alone, as the program starts
    }
    static MainWindow& StartAndLoad() {
        titleWindow().startButton->click();
        mainWindow().elementList->setCurrentRow(0);
        mainWindow().okButton->click();
        return mainWindow();
    }
};

// Back hides without clearing; a new start empties the main window but keeps the table: the query
// answers from the material loaded last, and OK refuses, changing nothing.
TEST_F(StartupTest, BackThenStartClearsTheMainWindowButTheQueryAnswersFromTheTableKept) {
    EXPECT_FALSE(MainWindowExists() || GraphWindowExists() || ReferenceWindowExists() ||
                 TermWindowExists() || IntervalTableWindowExists());
    MainWindow& main = StartAndLoad();
    EXPECT_TRUE(main.isVisible() && !titleWindow().isVisible());
    ASSERT_EQ(main.tableList->ListCount(), 81);
    ClickWidget(*main.termsButton);  // the question mark
    ClickWidget(*main.intervalTableButton);
    intervalTableWindow().endEnergyBox->SetText("5");
    ClickWidget(*main.intervalTableButton);  // presets the table window again
    EXPECT_EQ(intervalTableWindow().endEnergyBox->Text(), "10");
    titleWindow().referencesButton->click();  // opened beside the main window
    main.backButton->click();
    EXPECT_TRUE(titleWindow().isVisible() && referenceWindow().isVisible() &&
                intervalTableWindow().isVisible());
    EXPECT_FALSE(main.isVisible() || graphWindow().isVisible() || termWindow().isVisible());
    EXPECT_EQ(main.materialNameBox->Text(), "IRON");

    main.energyBox->SetText("1");
    titleWindow().startButton->click();
    EXPECT_TRUE(main.isVisible() && !titleWindow().isVisible());
    ExpectMainWindowCleared(main);
    ASSERT_GT(SharedMaterialTable().EnergyMeV[81], 0.0);
    const std::vector<TextBox*> boxes = {
        main.materialNameBox, main.densityBox,   main.meanExcitationBox, main.energyBox,
        main.collisionBox,    main.radiativeBox, main.totalBox,          main.rangeBox};
    for (size_t i = 3; i < boxes.size(); ++i)  // the five query boxes
        EXPECT_TRUE(boxes[i]->Enabled());
    main.energyBox->SetFocus();
    QTest::keyClicks(main.energyBox, "1");
    QTest::keyClick(main.energyBox, Qt::Key_Return);
    EXPECT_EQ(
        main.collisionBox->Text().toStdString(),
        FormatPattern(InterpolateAtEnergy(SharedMaterialTable(), 1.0)->collision, "0.000E+00"));
    const auto shown = [&] {
        QStringList texts;
        for (TextBox* box : boxes)
            texts.append(box->Text());
        return std::tuple(texts, main.tableList->ListCount(),
                          graphWindow().stoppingPowerGraph->Surface().copy());
    };
    const auto before = shown();
    main.okButton->click();
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(recorder_.Messages()[0].text, QStringLiteral("元素または物質を選択して下さい"));
    EXPECT_TRUE(shown() == before);
    EXPECT_EQ(recorder_.EndCalls(), 0);
}

TEST_F(StartupTest, ExitPathsEndTheProgram) {
    titleWindow().close();  // the title window's close box, no main window yet
    EXPECT_EQ(recorder_.EndCalls(), 1);
    MainWindow& main = StartAndLoad();
    titleWindow().Show();
    titleWindow().close();  // while the main window shows, the title window only hides
    EXPECT_EQ(recorder_.EndCalls(), 1);
    titleWindow().Show();
    titleWindow().exitButton->click();  // the exit sign, with other windows open
    EXPECT_EQ(recorder_.EndCalls(), 2);
    main.close();
    EXPECT_EQ(recorder_.EndCalls(), 3);
    main.backButton->click();
    ASSERT_FALSE(main.isVisible());
    titleWindow().close();  // the title window's close box while the main window is hidden
    EXPECT_EQ(recorder_.EndCalls(), 4);
}

}  // namespace
}  // namespace velmora::testing
