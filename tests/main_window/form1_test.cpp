// The main window on real files: start-up, file selection, the OK button and refused files.
#include <QApplication>
#include <QFile>
#include <QFocusEvent>

#include "core/number_format.h"
#include "graph/form2.h"
#include "support/program_test.h"
#include "support/user_input.h"
#include "toolkit/line_control.h"
#include "toolkit/message_box.h"

namespace velmora::testing {
namespace {

class MainWindowTest : public ProgramTest {
  protected:
    // Chooses a file in a file list as a mouse click does.
    static void Choose(FileListBox& list, const QString& fileName) {
        const auto matches = list.findItems(fileName, Qt::MatchExactly);
        ASSERT_EQ(matches.size(), 1) << fileName.toStdString();
        list.setCurrentRow(list.row(matches.first()));
    }
    static QStringList Entries() {
        QStringList entries;
        for (int i = 0; i < form1().List1->ListCount(); ++i) {
            entries.append(form1().List1->List(i));
        }
        return entries;
    }
    // Exactly one exclamation box since the last check, containing the given text.
    void ExpectWarning(const QString& part) {
        ASSERT_EQ(recorder_.Messages().size(), 1u) << part.toStdString();
        EXPECT_EQ(recorder_.Messages()[0].style, kMsgExclamation);
        EXPECT_TRUE(recorder_.Messages()[0].text.contains(part)) << part.toStdString();
        recorder_.Clear();
    }
};

TEST_F(MainWindowTest, StartsFreshAndAFocusedListChoosesNothing) {
    WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON"));
    WriteMaterialFile("p_STC", "Water.stc", SmoothMaterial("WATER"));
    Form1& main = form1();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(main.File1, &focusIn);
    EXPECT_EQ(std::pair(main.File1->count(), main.File2->count()), std::pair(1, 1));
    ExpectMainWindowCleared(main);
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5}) {
        EXPECT_FALSE(box->Enabled());
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(MainWindowTest, FileClickShowsTheHeadAndClearsTheOtherListsChoice) {
    WriteMaterialFile("p_STC", "Air.stc", SmoothMaterial("AIR", 0.0012, 85.7));
    WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON", 7.874, 1000));
    Form1& main = form1();
    Choose(*main.File2, "Air.stc");
    EXPECT_EQ(main.Text2->Text(), "ρ = 0.001");
    EXPECT_EQ(main.Text6->Text(), "I = 85.7 eV");
    EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_STC\\Air.stc");
    Choose(*main.File1, "Fe.qrv");
    EXPECT_EQ(main.Text2->Text(), "ρ = 7.874");
    EXPECT_EQ(main.Text6->Text(), "I = 1000.0 eV");
    EXPECT_TRUE(main.File2->FileName().isEmpty());
    Choose(*main.File2, "Air.stc");
    EXPECT_TRUE(main.File1->FileName().isEmpty());
}

TEST_F(MainWindowTest, OkListsTheTableAndEnablesTheQuery) {
    WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON"));
    Form1& main = form1();
    main.Command2->click();  // nothing chosen yet: only a message
    ExpectWarning("元素または物質を選択して下さい");
    ExpectMainWindowCleared(main);
    EXPECT_FALSE(Form2Exists());

    Choose(*main.File1, "Fe.qrv");
    main.Command2->click();
    QStringList lines;
    for (int row = 1; row <= 81; ++row) {
        lines.append(QString::fromStdString(SharedMaterialTable().TableLines[row]));
    }
    EXPECT_EQ(Entries(), lines);
    EXPECT_TRUE(main.Command5->Enabled() && Form2Exists() && form2().isVisible());
    // New energy empties the query boxes and focuses the energy box; so does a second OK.
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5}) {
        EXPECT_TRUE(box->Enabled());
        box->SetText("1.000E+00");
    }
    main.Command3->click();
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5}) {
        EXPECT_TRUE(box->Text().isEmpty());
    }
    EXPECT_EQ(main.focusWidget(), main.Text3);
    main.Text7->SetText("1.000E+00");
    main.Command2->click();
    EXPECT_TRUE(main.Text7->Text().isEmpty());
    EXPECT_EQ(Entries(), lines);
}

// Another file's head shows at once, its table only after a good OK; refused files change nothing.
TEST_F(MainWindowTest, TheTableChangesOnlyOnASuccessfulOk) {
    WriteMaterialFile("p_QRV", "A.qrv", SmoothMaterial("A", 7.874, 286));
    TestMaterial b = SmoothMaterial("B", 3.0, 200), broken = SmoothMaterial("BROKEN"),
                 badHead = SmoothMaterial("BAD HEAD");
    b.collision[40] *= 2;
    broken.lineOverrides[57] = "   1.000E-1 garbage 1.0 1.0 1.0";
    badHead.lineOverrides[4] = "  density 7.8";
    WriteMaterialFile("p_STC", "B.stc", b);
    WriteMaterialFile("p_QRV", "Broken.qrv", broken);
    WriteMaterialFile("p_QRV", "Gone.qrv", SmoothMaterial("GONE"));
    WriteRawFile("p_QRV", "Short.qrv", "SHORT\r\nline 2\r\n");
    WriteMaterialFile("p_STC", "Bad.stc", badHead);
    Form1& main = form1();
    Choose(*main.File1, "A.qrv");
    main.Command2->click();
    const MaterialTable before = SharedMaterialTable();
    const QStringList listBefore = Entries();
    auto expectTableKept = [&] {
        EXPECT_EQ(SharedMaterialTable().CollisionSP, before.CollisionSP);
        EXPECT_EQ(Entries(), listBefore);
    };
    // A head that cannot be read: the file is not chosen, the earlier choice and head stay.
    for (const auto& [list, name] :
         {std::pair{main.File1, QString("Short.qrv")}, std::pair{main.File2, QString("Bad.stc")}}) {
        Choose(*list, name);
        ExpectWarning(name);
        EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_QRV\\A.qrv");
        EXPECT_EQ(main.Text2->Text(), "ρ = 7.874");
        EXPECT_EQ(main.File1->FileName(), "A.qrv");
        EXPECT_TRUE(main.File2->FileName().isEmpty());
    }
    Choose(*main.File2, "B.stc");
    EXPECT_EQ(main.Text1->Text(), "B");
    expectTableKept();
    // A bad row or a vanished file: OK refuses it.
    Choose(*main.File1, "Broken.qrv");
    main.Command2->click();
    ExpectWarning("Broken.qrv\", line 57");
    Choose(*main.File1, "Gone.qrv");
    ASSERT_TRUE(QFile::remove("p_QRV/Gone.qrv"));
    main.Command2->click();
    ExpectWarning("Gone.qrv");
    expectTableKept();

    Choose(*main.File2, "B.stc");
    main.Command2->click();
    EXPECT_NE(Entries(), listBefore);
}

// A click on the entry that is already chosen acts again: the table list shows its row again after
// the energy box was clicked empty, and a file list reads the chosen file's head again.
TEST_F(MainWindowTest, ClickingTheChosenEntryAgainActsAgain) {
    WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON", 7.874, 286));
    WriteMaterialFile("p_STC", "Water.stc", SmoothMaterial("WATER", 1.0, 75));
    Form1& main = form1();
    main.Show();
    ClickRow(*main.File1, 0);
    main.Command2->click();
    const QString row3Energy =
        QString::fromStdString(FormatPattern(SharedMaterialTable().EnergyMeV[3], "0.000E+00"));
    ClickRow(*main.List1, 2);
    ASSERT_EQ(main.Text3->Text(), row3Energy);
    const float lineAtRow3 = form2().Line1->X1();
    ClickWidget(*main.Text3);  // a click into the energy box empties the five boxes
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5}) {
        EXPECT_TRUE(box->Text().isEmpty());
    }
    form2().Line1->SetX1(0.0f);
    ClickRow(*main.List1, 2);
    EXPECT_EQ(main.Text3->Text(), row3Energy);
    EXPECT_FALSE(main.Text5->Text().isEmpty());
    EXPECT_EQ(form2().Line1->X1(), lineAtRow3);

    // The chosen file changed on disk: clicking it again shows its new head.
    for (FileListBox* list : {main.File1, main.File2}) {
        const QString folder = list == main.File1 ? "p_QRV" : "p_STC";
        const QString name = list->item(0)->text();
        ClickRow(*list, 0);
        WriteMaterialFile(folder, name, SmoothMaterial("CHANGED", 2.5, 100));
        ClickRow(*list, 0);
        EXPECT_EQ(main.Text1->Text(), "CHANGED") << name.toStdString();
        EXPECT_EQ(main.Text2->Text(), "ρ = 2.500");
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

// Loading A and then choosing B gives A's rows with B's head in the shared table, until OK.
TEST_F(MainWindowTest, ChoosingAnotherFileChangesTheSharedHeadButNotTheRows) {
    WriteMaterialFile("p_QRV", "A.qrv", SmoothMaterial("A", 7.874, 286));
    TestMaterial b = SmoothMaterial("B", 3.0, 200);
    b.collision[40] *= 2;
    WriteMaterialFile("p_STC", "B.stc", b);
    Form1& main = form1();
    Choose(*main.File1, "A.qrv");
    main.Command2->click();
    const TableColumn rowsOfA = SharedMaterialTable().CollisionSP;
    Choose(*main.File2, "B.stc");
    const MaterialTable& shared = SharedMaterialTable();
    EXPECT_EQ(std::tuple(shared.MaterialName, shared.Density, shared.MeanExcitationEnergy),
              std::tuple(std::string("B"), 3.0, 200.0));
    EXPECT_EQ(shared.CollisionSP, rowsOfA);
    main.Command2->click();
    EXPECT_NE(shared.CollisionSP, rowsOfA);
    EXPECT_EQ(shared.MaterialName, "B");
}

// A listed file that vanished or became unreadable (here: a folder in its place) is refused with
// a message; the earlier choice, the boxes and the shared table stay.
TEST_F(MainWindowTest, AFileGoneSinceTheListWasFilledIsRefused) {
    WriteMaterialFile("p_QRV", "A.qrv", SmoothMaterial("A", 7.874, 286));
    WriteMaterialFile("p_QRV", "Gone.qrv", SmoothMaterial("GONE"));
    WriteMaterialFile("p_QRV", "Locked.qrv", SmoothMaterial("LOCKED"));
    Form1& main = form1();
    Choose(*main.File1, "A.qrv");
    ASSERT_TRUE(QFile::remove("p_QRV/Gone.qrv"));
    ASSERT_TRUE(QFile::remove("p_QRV/Locked.qrv") && QDir().mkdir("p_QRV/Locked.qrv"));
    for (const char* name : {"Gone.qrv", "Locked.qrv"}) {
        Choose(*main.File1, name);
        ExpectWarning(name);
        EXPECT_EQ(main.File1->FileName(), "A.qrv");
        EXPECT_EQ(main.Text1->Text(), "A");
        EXPECT_EQ(main.Text2->Text(), "ρ = 7.874");
        EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_QRV\\A.qrv");
        EXPECT_EQ(SharedMaterialTable().MaterialName, "A");
    }
}

}  // namespace
}  // namespace velmora::testing
