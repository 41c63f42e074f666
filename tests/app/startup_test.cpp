// Start-up and the ways between the title and main windows and out of the program.
#include "graph/form2.h"
#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

class StartupTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON"));
        form6().Show();  // the title window alone, as the program starts
    }
    // The start button, then iron chosen and loaded.
    static Form1& StartAndLoad() {
        form6().Command1->click();
        form1().File1->setCurrentRow(0);
        form1().Command2->click();
        return form1();
    }
};

TEST_F(StartupTest, BackButtonThenStartClearsTheMainWindowButKeepsTheTable) {
    EXPECT_FALSE(Form1Exists() || Form2Exists() || Form3Exists() || Form4Exists() || Form5Exists());
    Form1& main = StartAndLoad();
    EXPECT_TRUE(main.isVisible() && !form6().isVisible());
    ASSERT_EQ(main.List1->ListCount(), 81);
    main.Command4->click();     // the term window
    form6().Command4->click();  // the reference window, opened beside
    main.Command1->click();
    EXPECT_TRUE(form6().isVisible() && form3().isVisible());
    EXPECT_FALSE(main.isVisible() || form2().isVisible() || form4().isVisible());
    EXPECT_EQ(main.Text1->Text(), "IRON");  // hiding clears nothing

    main.Text3->SetText("1");
    form6().Command1->click();
    EXPECT_TRUE(main.isVisible() && !form6().isVisible());
    ExpectMainWindowCleared(main);
    EXPECT_GT(SharedMaterialTable().EnergyMeV[81], 0.0);
    EXPECT_EQ(recorder_.EndCalls(), 0);
}

TEST_F(StartupTest, ExitPathsEndTheProgram) {
    form6().close();  // the title window's close box, no main window yet
    EXPECT_EQ(recorder_.EndCalls(), 1);
    Form1& main = StartAndLoad();
    form6().Show();
    form6().close();  // while the main window shows, the title window only hides
    EXPECT_EQ(recorder_.EndCalls(), 1);
    form6().Show();
    form6().Command3->click();  // the exit sign, with other windows open
    EXPECT_EQ(recorder_.EndCalls(), 2);
    main.close();
    EXPECT_EQ(recorder_.EndCalls(), 3);
    main.Command1->click();
    ASSERT_FALSE(main.isVisible());
    form6().close();  // the title window's close box while the main window is hidden
    EXPECT_EQ(recorder_.EndCalls(), 4);
}

}  // namespace
}  // namespace velmora::testing
