// The main window on real files: start-up, file selection, the OK button and refused files.
#include <QApplication>
#include <QFile>
#include <QFocusEvent>

#include "core/material_table.h"
#include "graph/form2.h"
#include "main_window/form1.h"
#include "support/material_files.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

const QString kElements = QStringLiteral("p_QRV");
const QString kCompounds = QStringLiteral("p_STC");

using MainWindowTest = ProgramTest;

// Chooses a file in a file list as a mouse click does.
void Choose(FileListBox& list, const QString& fileName) {
    const auto matches = list.findItems(fileName, Qt::MatchExactly);
    ASSERT_EQ(matches.size(), 1) << fileName.toStdString();
    list.setCurrentRow(list.row(matches.first()));
}

std::vector<QString> ListEntries(const ListBox& list) {
    std::vector<QString> entries;
    for (int i = 0; i < list.ListCount(); ++i) {
        entries.push_back(list.List(i));
    }
    return entries;
}

std::vector<TextBox*> QueryBoxes(Form1& main) {
    return {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5};
}

TEST_F(MainWindowTest, StartsWithBothListsFilledAndEverythingElseEmpty) {
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON"));
    WriteMaterialFile(kElements, QStringLiteral("H.qrv"), SmoothMaterial("HYDROGEN"));
    WriteRawFile(kElements, QStringLiteral("notes.txt"), "not a material");
    WriteMaterialFile(kCompounds, QStringLiteral("Water.stc"), SmoothMaterial("WATER"));
    Form1& main = form1();
    EXPECT_EQ(main.File1->count(), 2);
    EXPECT_EQ(main.File2->count(), 1);
    EXPECT_TRUE(main.File1->FileName().isEmpty());
    for (TextBox* box : {main.Text1, main.Text2, main.Text3, main.Text4, main.Text5, main.Text6,
                         main.Text7, main.Text8}) {
        EXPECT_TRUE(box->Text().isEmpty());
    }
    for (TextBox* box : QueryBoxes(main)) {
        EXPECT_FALSE(box->Enabled());
    }
    EXPECT_TRUE(main.Text1->Enabled() && main.Text2->Enabled() && main.Text6->Enabled());
    EXPECT_FALSE(main.Command5->Enabled());
    EXPECT_EQ(main.List1->ListCount(), 0);
    EXPECT_TRUE(SharedMaterialTable().DataFilePath.empty());
}

TEST_F(MainWindowTest, MissingFolderLeavesItsListEmptyAndTheOtherWorks) {
    WriteMaterialFile(kCompounds, QStringLiteral("Air.stc"), SmoothMaterial("AIR", 0.0012, 85.7));
    Form1& main = form1();
    EXPECT_EQ(main.File1->count(), 0);
    Choose(*main.File2, QStringLiteral("Air.stc"));
    EXPECT_EQ(main.Text1->Text(), QStringLiteral("AIR"));
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(MainWindowTest, FileClickShowsTheHeadValuesInTheirPatterns) {
    WriteMaterialFile(kCompounds, QStringLiteral("Air.stc"), SmoothMaterial("AIR", 0.0012, 85.7));
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON", 7.874, 1000));
    Form1& main = form1();
    Choose(*main.File2, QStringLiteral("Air.stc"));
    EXPECT_EQ(main.Text1->Text(), QStringLiteral("AIR"));
    EXPECT_EQ(main.Text2->Text(), QStringLiteral("ρ = 0.001"));
    EXPECT_EQ(main.Text6->Text(), QStringLiteral("I = 85.7 eV"));
    EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_STC\\Air.stc");
    EXPECT_DOUBLE_EQ(SharedMaterialTable().Density, 0.0012);

    Choose(*main.File1, QStringLiteral("Fe.qrv"));
    EXPECT_EQ(main.Text2->Text(), QStringLiteral("ρ = 7.874"));
    EXPECT_EQ(main.Text6->Text(), QStringLiteral("I = 1000.0 eV"));
    EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_QRV\\Fe.qrv");
    EXPECT_EQ(SharedMaterialTable().MaterialName, "IRON");
    // Only the list just clicked keeps a chosen entry.
    EXPECT_TRUE(main.File2->FileName().isEmpty());
    Choose(*main.File2, QStringLiteral("Air.stc"));
    EXPECT_TRUE(main.File1->FileName().isEmpty());
    EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_STC\\Air.stc");
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(MainWindowTest, ListTakingTheFocusChoosesNoFile) {
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON"));
    Form1& main = form1();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(main.File1, &focusIn);
    EXPECT_TRUE(recorder_.Messages().empty());
    EXPECT_TRUE(SharedMaterialTable().DataFilePath.empty());
    EXPECT_TRUE(main.Text1->Text().isEmpty());
}

TEST_F(MainWindowTest, OkWithoutAChoiceOnlyAsksForOne) {
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON"));
    Form1& main = form1();
    main.Command2->click();
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(recorder_.Messages()[0].text, QStringLiteral("元素または物質を選択して下さい"));
    EXPECT_EQ(recorder_.Messages()[0].style, 48);
    EXPECT_EQ(main.List1->ListCount(), 0);
    EXPECT_FALSE(main.Text3->Enabled());
    EXPECT_FALSE(main.Command5->Enabled());
    EXPECT_FALSE(Form2Exists());
}

TEST_F(MainWindowTest, OkLoadsTheTableListsItAndDrawsTheGraphs) {
    const TestMaterial iron = SmoothMaterial("IRON", 7.874, 286);
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), iron);
    Form1& main = form1();
    Choose(*main.File1, QStringLiteral("Fe.qrv"));
    main.Command2->click();
    ASSERT_TRUE(recorder_.Messages().empty());
    const MaterialTable& table = SharedMaterialTable();
    ASSERT_EQ(main.List1->ListCount(), 81);
    for (int k = 0; k < 81; ++k) {
        ASSERT_EQ(main.List1->List(k).toStdString(), table.TableLines[k + 1]) << k;
    }
    // An entry is characters 4 to 47 of its file line.
    const QStringList lines = QString::fromStdString(MaterialFileText(iron)).split("\r\n");
    EXPECT_EQ(main.List1->List(0), lines[10].mid(3, 44));
    EXPECT_EQ(main.List1->List(80), lines[90].mid(3, 44));
    EXPECT_EQ(table.EnergyMeV[1], iron.energy[1]);
    EXPECT_EQ(table.CsdaRange[81], iron.range[81]);
    for (TextBox* box : QueryBoxes(main)) {
        EXPECT_TRUE(box->Enabled());
        EXPECT_TRUE(box->Text().isEmpty());
    }
    EXPECT_TRUE(main.Command5->Enabled());
    ASSERT_TRUE(Form2Exists());
    EXPECT_TRUE(form2().isVisible());

    // A second OK empties the query results again.
    main.Text7->SetText(QStringLiteral("1.000E+00"));
    main.Command2->click();
    EXPECT_TRUE(main.Text7->Text().isEmpty());
    EXPECT_EQ(main.List1->ListCount(), 81);
}

TEST_F(MainWindowTest, ChoosingAnotherFileChangesOnlyTheHeadUntilOk) {
    WriteMaterialFile(kElements, QStringLiteral("A.qrv"), SmoothMaterial("MATERIAL A", 2.0, 100));
    TestMaterial b = SmoothMaterial("MATERIAL B", 3.0, 200);
    for (int row = 1; row <= 81; ++row) {
        b.collision[row] *= 2;
    }
    WriteMaterialFile(kCompounds, QStringLiteral("B.stc"), b);
    Form1& main = form1();
    Choose(*main.File1, QStringLiteral("A.qrv"));
    main.Command2->click();
    const MaterialTable loadedA = SharedMaterialTable();
    const auto listA = ListEntries(*main.List1);

    Choose(*main.File2, QStringLiteral("B.stc"));
    const MaterialTable& table = SharedMaterialTable();
    EXPECT_EQ(table.MaterialName, "MATERIAL B");
    EXPECT_EQ(table.Density, 3.0);
    EXPECT_EQ(table.MeanExcitationEnergy, 200.0);
    EXPECT_EQ(main.Text1->Text(), QStringLiteral("MATERIAL B"));
    EXPECT_EQ(table.CollisionSP, loadedA.CollisionSP);
    EXPECT_EQ(table.TableLines, loadedA.TableLines);
    EXPECT_EQ(ListEntries(*main.List1), listA);

    main.Command2->click();
    EXPECT_EQ(table.CollisionSP[40], b.collision[40]);
    EXPECT_NE(ListEntries(*main.List1), listA);
}

// A load that the file refuses changes nothing: window, list and shared table stay as they were.
TEST_F(MainWindowTest, RefusedLoadKeepsTheWindowAndTheTable) {
    WriteMaterialFile(kElements, QStringLiteral("A.qrv"), SmoothMaterial("MATERIAL A"));
    TestMaterial broken = SmoothMaterial("BROKEN");
    broken.lineOverrides[57] = "   1.000E-1 garbage 1.0 1.0 1.0";
    WriteMaterialFile(kElements, QStringLiteral("Broken.qrv"), broken);
    WriteMaterialFile(kElements, QStringLiteral("Gone.qrv"), SmoothMaterial("GONE"));
    Form1& main = form1();
    Choose(*main.File1, QStringLiteral("A.qrv"));
    main.Command2->click();
    main.Text3->SetText(QStringLiteral("5"));
    main.Text7->SetText(QStringLiteral("2.000E+00"));
    const MaterialTable before = SharedMaterialTable();
    const auto listBefore = ListEntries(*main.List1);

    Choose(*main.File1, QStringLiteral("Broken.qrv"));
    main.Command2->click();
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_TRUE(recorder_.Messages()[0].text.contains(QStringLiteral("Broken.qrv")));
    EXPECT_TRUE(recorder_.Messages()[0].text.contains(QStringLiteral("line 57")));
    EXPECT_EQ(recorder_.Messages()[0].style, 48);

    Choose(*main.File1, QStringLiteral("Gone.qrv"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("p_QRV/Gone.qrv")));
    main.Command2->click();
    ASSERT_EQ(recorder_.Messages().size(), 2u);
    EXPECT_TRUE(recorder_.Messages()[1].text.contains(QStringLiteral("Gone.qrv")));

    const MaterialTable& table = SharedMaterialTable();
    EXPECT_EQ(table.EnergyMeV, before.EnergyMeV);
    EXPECT_EQ(table.CollisionSP, before.CollisionSP);
    EXPECT_EQ(table.TableLines, before.TableLines);
    EXPECT_EQ(ListEntries(*main.List1), listBefore);
    EXPECT_EQ(main.Text3->Text(), QStringLiteral("5"));
    EXPECT_EQ(main.Text7->Text(), QStringLiteral("2.000E+00"));
}

// A file whose head cannot be read is not chosen: the earlier choice and its values stay.
TEST_F(MainWindowTest, FileWithABadHeadIsNotChosen) {
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON", 7.874, 286));
    WriteRawFile(kElements, QStringLiteral("Short.qrv"), "SHORT\r\nline 2\r\n");
    TestMaterial badHead = SmoothMaterial("BAD HEAD");
    badHead.lineOverrides[4] = "  density 7.8";
    WriteMaterialFile(kCompounds, QStringLiteral("Bad.stc"), badHead);
    Form1& main = form1();
    Choose(*main.File1, QStringLiteral("Fe.qrv"));

    for (const auto& [list, name] : {std::pair{main.File1, QStringLiteral("Short.qrv")},
                                     std::pair{main.File2, QStringLiteral("Bad.stc")}}) {
        recorder_.Clear();
        Choose(*list, name);
        ASSERT_EQ(recorder_.Messages().size(), 1u) << name.toStdString();
        EXPECT_TRUE(recorder_.Messages()[0].text.contains(name));
        EXPECT_EQ(recorder_.Messages()[0].style, 48);
        EXPECT_EQ(SharedMaterialTable().DataFilePath, "p_QRV\\Fe.qrv");
        EXPECT_EQ(SharedMaterialTable().MaterialName, "IRON");
        EXPECT_EQ(main.Text1->Text(), QStringLiteral("IRON"));
        EXPECT_EQ(main.Text2->Text(), QStringLiteral("ρ = 7.874"));
        // The lists show the file that is still chosen.
        EXPECT_EQ(main.File1->FileName(), QStringLiteral("Fe.qrv"));
        EXPECT_TRUE(main.File2->FileName().isEmpty());
    }
}

TEST_F(MainWindowTest, NewEnergyButtonEmptiesTheQueryAndFocusesAnEnabledBox) {
    WriteMaterialFile(kElements, QStringLiteral("Fe.qrv"), SmoothMaterial("IRON"));
    Form1& main = form1();
    // Before any load the energy box is disabled: the button only empties the boxes.
    main.Text4->SetText(QStringLiteral("stale"));
    main.Command3->click();
    EXPECT_TRUE(main.Text4->Text().isEmpty());
    EXPECT_NE(main.focusWidget(), main.Text3);

    Choose(*main.File1, QStringLiteral("Fe.qrv"));
    main.Command2->click();
    for (TextBox* box : QueryBoxes(main)) {
        box->SetText(QStringLiteral("1.000E+00"));
    }
    main.Command3->click();
    for (TextBox* box : QueryBoxes(main)) {
        EXPECT_TRUE(box->Text().isEmpty());
    }
    EXPECT_EQ(main.focusWidget(), main.Text3);
}

}  // namespace
}  // namespace velmora::testing
