// The main window's energy query: typed energies, refusals and the table list's own rows.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <vector>

#include "graph/graph_test_support.h"

namespace velmora::testing {
namespace {

// Types the text into the energy box and presses Enter, as the user does.
void Query(const QString& text) {
    mainWindow().energyBox->SetText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(mainWindow().energyBox, &enter);
}

const auto Digits = [](float value) { return QString::number(value, 'g', 5).toStdString(); };

// The result boxes, both ends of each cursor line (to five digits), how many lines are shown.
using Shown = std::vector<std::string>;

Shown Now() {
    const MainWindow& m = mainWindow();
    const GraphWindow& g = graphWindow();
    Shown shown;
    for (const TextBox* box : {m.energyBox, m.collisionBox, m.radiativeBox, m.totalBox, m.rangeBox})
        shown.push_back(box->Text().toStdString());
    for (const LineControl* l : {g.stoppingEnergyLine, g.rangeEnergyLine})
        shown.insert(shown.end(), {Digits(l->X1()), Digits(l->X2())});
    for (const LineControl* l : {g.collisionLine, g.radiativeLine, g.totalLine, g.rangeLine})
        shown.insert(shown.end(), {Digits(l->Y1()), Digits(l->Y2())});
    shown.push_back(std::to_string(CursorLinesShown()));
    return shown;
}

// What must show for the values at(column) of the energy and the four columns.
template <typename At>
Shown Expected(At at) {
    const MaterialTable& t = SharedMaterialTable();
    const double e = at(t.EnergyMeV), c = at(t.CollisionSP), r = at(t.RadiativeSP),
                 s = at(t.TotalSP), range = at(t.CsdaRange);
    Shown shown;
    for (const double value : {e, c, r, s, range})
        shown.push_back(Scientific(value).toStdString());
    for (const double y : {CursorX(e), CursorX(e), CursorYStopping(c), CursorYStopping(r),
                           CursorYStopping(s), CursorYRange(range)})
        shown.insert(shown.end(), 2, Digits(float(y)));
    shown.push_back("6");
    return shown;
}

using EnergyQueryTest = GraphTest;

TEST_F(EnergyQueryTest, AcceptedEnergiesShowTheTableListsRowOrInterpolatedValues) {
    LoadWithOk(DistinctCurvesMaterial());
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        SCOPED_TRACE(row);
        Query(QString::number(SharedMaterialTable().EnergyMeV[row], 'g', 17));
        const Shown typed = Now();
        mainWindow().tableList->SetListIndex(row - 1);
        EXPECT_EQ(Now(), Expected([row](const TableColumn& column) { return column[row]; }));
        EXPECT_EQ(typed, Now());
    }
    // Halfway in logarithm between rows 40 and 41: the geometric means.
    const auto mean = [](const TableColumn& column) { return std::sqrt(column[40] * column[41]); };
    Query(QString::number(mean(SharedMaterialTable().EnergyMeV), 'g', 17));
    EXPECT_EQ(Now(), Expected(mean));
    // Both ends of the range, and the ways of writing a number that the reader accepts.
    const char* accepted[][2] = {{"0.01", "1.000E-02"},    {"1000", "1.000E+03"},
                                 {"5e-1", "5.000E-01"},    {"2MeV", "2.000E+00"},
                                 {" 1 000 ", "1.000E+03"}, {"3", "3.000E+00"}};
    for (const auto& [typed, shown] : accepted) {
        Query(typed);
        EXPECT_EQ(mainWindow().energyBox->Text(), shown) << typed;
    }
    // Keys other than Enter go into the box as typed and query nothing.
    const Shown before = Now();
    mainWindow().Show();
    mainWindow().energyBox->SetText(QString());
    QTest::keyClicks(mainWindow().energyBox, "0.5e");
    Shown expected = before;
    expected[0] = "0.5e";
    EXPECT_EQ(Now(), expected);
}

TEST_F(EnergyQueryTest, RefusedEnergiesClearOnlyTheTypedText) {
    // A table that ends at 100 MeV: there is nothing to interpolate between above it.
    TestMaterial shortTable = SmoothMaterial("Ends at 100 MeV");
    for (int row = 1; row <= 81; ++row)
        shortTable.energy[row] = std::pow(10.0, (row - 41) / 20.0);
    LoadWithOk(shortTable);
    Query("100");
    Shown expected = Now();
    ASSERT_EQ(expected[1], Scientific(SharedMaterialTable().CollisionSP[81]).toStdString());
    expected[0].clear();  // only the typed text goes
    const char* refused[] = {"0.0099", "1000.1", "",       "-1",     "0",
                             "abc",    "1e999",  "-1e999", "100.01", "1000"};
    for (const char* typed : refused) {
        Query(typed);
        EXPECT_EQ(Now(), expected) << typed;
    }
    ASSERT_EQ(recorder_.Messages().size(), std::size(refused));
    EXPECT_EQ(recorder_.Messages()[0].text, QStringLiteral("This energy is out of range."));
    EXPECT_EQ(recorder_.Messages()[0].style, 48);
}

}  // namespace
}  // namespace velmora::testing
