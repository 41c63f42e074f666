// The main window on real files: start-up, file selection, the OK button and refused files.
#include <QApplication>
#include <QFile>

#include "core/number_format.h"
#include "core/shared_tables.h"
#include "graph/graph_window.h"
#include "support/program_test.h"
#include "support/user_input.h"
#include "toolkit/line_control.h"

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
        for (int i = 0; i < mainWindow().tableList->ListCount(); ++i)
            entries.append(mainWindow().tableList->List(i));
        return entries;
    }
};

// A fresh start; a file click shows its head and clears the other list's choice; OK lists the
// table and enables the query; a real click on the entry already chosen acts again.
TEST_F(MainWindowTest, FileClicksShowTheHeadOkListsTheTableAndClicksAgainActAgain) {
    WriteMaterialFile("p_STC", "Air.stc", SmoothMaterial("AIR", 0.0012, 85.7));
    WriteMaterialFile("p_QRV", "Fe.qrv", SmoothMaterial("IRON", 7.874, 1000));
    MainWindow& main = mainWindow();
    EXPECT_EQ(std::pair(main.elementList->count(), main.compoundList->count()), std::pair(1, 1));
    ExpectMainWindowCleared(main);
    for (TextBox* box : QueryBoxes(main))
        EXPECT_FALSE(box->Enabled());
    main.Show();
    ClickWidget(*main.newEnergyButton);  // the arrow before any load: nothing to empty or focus
    EXPECT_NE(QApplication::focusWidget(), main.energyBox);
    main.okButton->click();  // nothing chosen yet: only a message
    ExpectMessage("元素または物質を選択して下さい");
    ExpectMainWindowCleared(main);
    EXPECT_FALSE(GraphWindowExists());

    Choose(*main.compoundList, "Air.stc");
    EXPECT_EQ(main.densityBox->Text(), "ρ = 0.001");
    EXPECT_EQ(main.meanExcitationBox->Text(), "I = 85.7 eV");
    EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_STC\\Air.stc");
    Choose(*main.elementList, "Fe.qrv");
    EXPECT_EQ(main.densityBox->Text(), "ρ = 7.874");
    EXPECT_EQ(main.meanExcitationBox->Text(), "I = 1000.0 eV");
    EXPECT_TRUE(main.compoundList->FileName().isEmpty());
    Choose(*main.compoundList, "Air.stc");
    EXPECT_TRUE(main.elementList->FileName().isEmpty());

    Choose(*main.elementList, "Fe.qrv");
    main.okButton->click();
    QStringList lines;
    for (int row = 1; row <= 81; ++row)
        lines.append(QString::fromStdString(SharedMaterialTable().TableLines[row]));
    EXPECT_EQ(Entries(), lines);
    EXPECT_TRUE(main.intervalTableButton->Enabled() && GraphWindowExists() &&
                graphWindow().isVisible());
    // New energy empties the query boxes and focuses the energy box; so does a second OK.
    for (TextBox* box : QueryBoxes(main)) {
        EXPECT_TRUE(box->Enabled());
        box->SetText("1.000E+00");
    }
    main.newEnergyButton->click();
    for (TextBox* box : QueryBoxes(main))
        EXPECT_TRUE(box->Text().isEmpty());
    EXPECT_EQ(main.focusWidget(), main.energyBox);
    main.collisionBox->SetText("1.000E+00");
    main.okButton->click();
    EXPECT_TRUE(main.collisionBox->Text().isEmpty());
    EXPECT_EQ(Entries(), lines);

    // The table list's chosen row clicked again after the energy box was clicked empty.
    main.Show();
    const QString row3Energy =
        QString::fromStdString(FormatPattern(SharedMaterialTable().EnergyMeV[3], "0.000E+00"));
    ClickRow(*main.tableList, 2);
    ASSERT_EQ(main.energyBox->Text(), row3Energy);
    const float lineAtRow3 = graphWindow().stoppingEnergyLine->X1();
    ClickWidget(*main.energyBox);  // a click into the energy box empties the five boxes
    for (TextBox* box : QueryBoxes(main))
        EXPECT_TRUE(box->Text().isEmpty());
    graphWindow().stoppingEnergyLine->SetX1(0.0f);
    ClickRow(*main.tableList, 2);
    EXPECT_EQ(main.energyBox->Text(), row3Energy);
    EXPECT_FALSE(main.rangeBox->Text().isEmpty());
    EXPECT_EQ(graphWindow().stoppingEnergyLine->X1(), lineAtRow3);

    // The chosen file changed on disk: clicking it again shows its new head.
    for (FileListBox* list : {main.elementList, main.compoundList}) {
        const QString name = list->item(0)->text();
        ClickRow(*list, 0);
        WriteMaterialFile(list == main.elementList ? "p_QRV" : "p_STC", name,
                          SmoothMaterial("CHANGED", 2.5, 100));
        ClickRow(*list, 0);
        EXPECT_EQ(main.materialNameBox->Text(), "CHANGED") << name.toStdString();
        EXPECT_EQ(main.densityBox->Text(), "ρ = 2.500");
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

// A material folder missing at start-up leaves its list empty while the other list works; the
// next start lists it once it is there.
TEST_F(MainWindowTest, AMissingMaterialFolderLeavesOnlyItsListEmpty) {
    for (const bool elementsMissing : {true, false}) {
        ResetProgramState();
        QDir("p_QRV").removeRecursively();
        QDir("p_STC").removeRecursively();
        WriteMaterialFile(elementsMissing ? "p_STC" : "p_QRV", elementsMissing ? "A.stc" : "A.qrv",
                          SmoothMaterial("A"));
        MainWindow& main = mainWindow();
        FileListBox& empty = *(elementsMissing ? main.elementList : main.compoundList);
        FileListBox& other = *(elementsMissing ? main.compoundList : main.elementList);
        EXPECT_EQ(std::pair(empty.count(), other.count()), std::pair(0, 1)) << elementsMissing;
        main.Show();
        ClickRow(other, 0);
        main.okButton->click();
        EXPECT_EQ(main.tableList->ListCount(), 81);
        WriteMaterialFile(elementsMissing ? "p_QRV" : "p_STC", elementsMissing ? "B.qrv" : "B.stc",
                          SmoothMaterial("B"));
        main.StartAfresh();
        EXPECT_EQ(empty.count(), 1);
    }
    EXPECT_TRUE(recorder_.Messages().empty());
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
    WriteRawFile("p_QRV", "Short.qrv", "SHORT\r\nline 2\r\n");
    WriteMaterialFile("p_STC", "Bad.stc", badHead);
    for (const char* name : {"Gone.qrv", "Deleted.qrv", "Locked.qrv"})
        WriteMaterialFile("p_QRV", name, SmoothMaterial(name));
    MainWindow& main = mainWindow();
    Choose(*main.elementList, "A.qrv");
    main.okButton->click();
    // Listed files that vanished or became unreadable (a folder in the place of one) since.
    ASSERT_TRUE(QFile::remove("p_QRV/Deleted.qrv") && QFile::remove("p_QRV/Locked.qrv") &&
                QDir().mkdir("p_QRV/Locked.qrv"));
    const MaterialTable before = SharedMaterialTable();
    const QStringList listBefore = Entries();
    // A head that cannot be read: the file is not chosen, the earlier choice and head stay.
    for (const auto& [list, name] : {std::pair{main.elementList, QString("Short.qrv")},
                                     std::pair{main.compoundList, QString("Bad.stc")},
                                     std::pair{main.elementList, QString("Deleted.qrv")},
                                     std::pair{main.elementList, QString("Locked.qrv")}}) {
        Choose(*list, name);
        ExpectMessage(name);
        EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_QRV\\A.qrv");
        EXPECT_EQ(SharedMaterialTable().MaterialName, "A");
        EXPECT_EQ(main.densityBox->Text(), "ρ = 7.874");
        EXPECT_EQ(main.elementList->FileName() + main.compoundList->FileName(), "A.qrv");
    }
    // Another file chosen: A's rows with B's head, in the boxes and in the shared table. A bad row
    // or a vanished file: OK refuses it.
    Choose(*main.compoundList, "B.stc");
    EXPECT_EQ(main.materialNameBox->Text(), "B");
    const MaterialTable& shared = SharedMaterialTable();
    EXPECT_EQ(std::tuple(shared.MaterialName, shared.Density, shared.MeanExcitationEnergy),
              std::tuple(std::string("B"), 3.0, 200.0));
    EXPECT_EQ(shared.CollisionSP, before.CollisionSP);
    Choose(*main.elementList, "Broken.qrv");
    main.okButton->click();
    ExpectMessage("Broken.qrv\", line 57");
    Choose(*main.elementList, "Gone.qrv");
    ASSERT_TRUE(QFile::remove("p_QRV/Gone.qrv"));
    main.okButton->click();
    ExpectMessage("Gone.qrv");
    EXPECT_EQ(SharedMaterialTable().CollisionSP, before.CollisionSP);
    EXPECT_EQ(Entries(), listBefore);

    Choose(*main.compoundList, "B.stc");
    main.okButton->click();
    EXPECT_NE(Entries(), listBefore);
}

}  // namespace
}  // namespace velmora::testing
