// Start-up and the ways between the title and main windows and out of the program.
#include <QTest>

#include "core/energy_query.h"
#include "core/number_format.h"
#include "graph/form2.h"
#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "support/program_test.h"
#include "toolkit/picture_box.h"

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

// After a new start the table list is empty and nothing is chosen, but the query still answers
// from the material loaded last; OK then refuses and leaves those answers on screen.
TEST_F(StartupTest, AfterANewStartTheQueryAnswersFromTheLastMaterialAndOkRefuses) {
    Form1& main = StartAndLoad();
    main.Command1->click();
    form6().Command1->click();
    ASSERT_EQ(main.List1->ListCount(), 0);
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5}) {
        EXPECT_TRUE(box->Enabled());
    }
    main.Show();
    main.Text3->SetFocus();
    QTest::keyClicks(main.Text3, "1");
    QTest::keyClick(main.Text3, Qt::Key_Return);
    const MaterialTable& table = SharedMaterialTable();
    const double collisionAt1MeV = InterpolateAtEnergy(table, 1.0)->collision;
    EXPECT_EQ(main.Text7->Text().toStdString(), FormatPattern(collisionAt1MeV, "0.000E+00"));
    const auto shown = [&main] {
        QStringList texts;
        for (TextBox* box : {main.Text1, main.Text2, main.Text3, main.Text4, main.Text5, main.Text6,
                             main.Text7, main.Text8}) {
            texts.append(box->Text());
        }
        return std::tuple(texts, main.List1->ListCount(), form2().Picture1->Surface().copy());
    };
    const auto before = shown();
    main.Command2->click();
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(recorder_.Messages()[0].text, QStringLiteral("元素または物質を選択して下さい"));
    EXPECT_TRUE(shown() == before);
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
