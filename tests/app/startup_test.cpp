// Start-up and the ways between the title and main windows and out of the program.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "core/material_table.h"
#include "graph/form2.h"
#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "main_window/form1.h"
#include "support/material_files.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

class StartupTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteMaterialFile(QStringLiteral("p_QRV"), QStringLiteral("Fe.qrv"),
                          SmoothMaterial("IRON"));
        WriteMaterialFile(QStringLiteral("p_STC"), QStringLiteral("Water.stc"),
                          SmoothMaterial("WATER"));
    }

    // The title window alone, as the program starts, then its start button.
    static Form1& Start() {
        form6().Show();
        form6().Command1->click();
        return form1();
    }

    // Chooses the element file and presses OK.
    static void LoadIron(Form1& main) {
        main.File1->setCurrentRow(0);
        main.Command2->click();
    }
};

TEST_F(StartupTest, TitleWindowAloneThenTheStartButtonShowsAFreshMainWindow) {
    form6().Show();
    EXPECT_TRUE(form6().isVisible());
    EXPECT_FALSE(Form1Exists() || Form2Exists() || Form3Exists() || Form4Exists() || Form5Exists());

    form6().Command1->click();
    Form1& main = form1();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(form6().isVisible());
    EXPECT_EQ(main.File1->count(), 1);  // loaded on the way: the lists read their folders
    EXPECT_FALSE(main.Command5->Enabled());
    EXPECT_FALSE(Form2Exists());
}

TEST_F(StartupTest, BackButtonThenStartClearsTheMainWindowButKeepsTheTable) {
    Form1& main = Start();
    LoadIron(main);
    ASSERT_EQ(main.List1->ListCount(), 81);
    main.Command4->click();
    form6().Command4->click();  // the reference window, opened beside
    ASSERT_TRUE(form4().isVisible() && form2().isVisible() && form3().isVisible());

    main.Command1->click();
    EXPECT_TRUE(form6().isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_FALSE(form4().isVisible());
    EXPECT_TRUE(form3().isVisible());
    EXPECT_EQ(main.Text1->Text(), QStringLiteral("IRON"));  // hiding clears nothing

    main.Text3->SetText(QStringLiteral("1"));
    form6().Command1->click();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(form6().isVisible());
    EXPECT_EQ(main.List1->ListCount(), 0);
    for (TextBox* box : {main.Text1, main.Text2, main.Text3, main.Text4, main.Text5, main.Text6,
                         main.Text7, main.Text8}) {
        EXPECT_TRUE(box->Text().isEmpty());
    }
    EXPECT_FALSE(main.Command5->Enabled());
    EXPECT_TRUE(main.Text3->Enabled());
    EXPECT_TRUE(main.File1->FileName().isEmpty());
    EXPECT_TRUE(SharedMaterialTable().DataFilePath.empty());
    EXPECT_GT(SharedMaterialTable().EnergyMeV[81], 0.0);
    EXPECT_EQ(recorder_.EndCalls(), 0);
}

TEST_F(StartupTest, ExitPathsEndTheProgram) {
    // The title window's close box at start, with no main window yet.
    form6().Show();
    form6().close();
    EXPECT_EQ(recorder_.EndCalls(), 1);

    // The exit-sign button, with other windows open.
    Form1& main = Start();
    LoadIron(main);
    form6().Show();
    form6().Command3->click();
    EXPECT_EQ(recorder_.EndCalls(), 2);

    // The main window's close box.
    main.close();
    EXPECT_EQ(recorder_.EndCalls(), 3);

    // The title window's close box while the main window is hidden.
    main.Command1->click();
    ASSERT_FALSE(main.isVisible());
    form6().close();
    EXPECT_EQ(recorder_.EndCalls(), 4);
}

}  // namespace
}  // namespace velmora::testing
