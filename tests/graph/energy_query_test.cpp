// The main window's energy query: typed energies, refusals and the table list's own rows.
#include <QApplication>
#include <QKeyEvent>

#include "graph_test_support.h"

namespace velmora::testing {
namespace {

const QString kOutOfRange = QStringLiteral("This energy is out of range.");

// Types the text into the energy box and presses Enter, as the user does.
void Query(const QString& text) {
    TextBox& box = *form1().Text3;
    box.SetText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&box, &enter);
}

struct Shown {
    QString energy, collision, radiative, total, range;
    float x, yCollision, yRadiative, yTotal, yRange;
    bool linesVisible;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* out) {
    *out << s.energy.toStdString() << " " << s.collision.toStdString() << " "
         << s.radiative.toStdString() << " " << s.total.toStdString() << " "
         << s.range.toStdString() << " lines " << s.x << " " << s.yCollision << " " << s.yRadiative
         << " " << s.yTotal << " " << s.yRange << (s.linesVisible ? " shown" : " hidden");
}

Shown WhatIsShown() {
    const Form1& main = form1();
    const Form2& graph = form2();
    return {main.Text3->Text(),
            main.Text7->Text(),
            main.Text8->Text(),
            main.Text4->Text(),
            main.Text5->Text(),
            graph.Line1->X1(),
            graph.Line2->Y1(),
            graph.Line3->Y1(),
            graph.Line4->Y1(),
            graph.Line6->Y1(),
            graph.Line1->Visible() && graph.Line2->Visible() && graph.Line3->Visible() &&
                graph.Line4->Visible() && graph.Line5->Visible() && graph.Line6->Visible()};
}

// What a query or a list click at a tabulated row must show.
Shown RowAsShown(int row) {
    const MaterialTable& t = SharedMaterialTable();
    return {Scientific(t.EnergyMeV[row]),
            Scientific(t.CollisionSP[row]),
            Scientific(t.RadiativeSP[row]),
            Scientific(t.TotalSP[row]),
            Scientific(t.CsdaRange[row]),
            static_cast<float>(CursorX(t.EnergyMeV[row])),
            static_cast<float>(CursorYStopping(t.CollisionSP[row])),
            static_cast<float>(CursorYStopping(t.RadiativeSP[row])),
            static_cast<float>(CursorYStopping(t.TotalSP[row])),
            static_cast<float>(CursorYRange(t.CsdaRange[row])),
            true};
}

class EnergyQueryTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        LoadWithOk(DistinctCurvesMaterial("Query"));
    }
};

TEST_F(EnergyQueryTest, TableListClickShowsTheRowsOwnValues) {
    for (const int row : {1, 2, 33, 65, 81}) {
        form1().List1->SetListIndex(row - 1);
        EXPECT_EQ(WhatIsShown(), RowAsShown(row)) << "row " << row;
    }
    EXPECT_EQ(form1().Text3->Text(), QStringLiteral("1.000E+03"));
    EXPECT_EQ(form1().Text7->Text(), QStringLiteral("3.162E-01"));
}

TEST_F(EnergyQueryTest, TypedTabulatedEnergyAgreesWithTheTableList) {
    const MaterialTable& table = SharedMaterialTable();
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        Query(QString::number(table.EnergyMeV[row], 'g', 17));
        const Shown typed = WhatIsShown();
        form1().List1->SetListIndex(row - 1);
        const Shown picked = WhatIsShown();
        EXPECT_EQ(typed.energy, picked.energy) << "row " << row;
        EXPECT_EQ(typed.collision, picked.collision) << "row " << row;
        EXPECT_EQ(typed.radiative, picked.radiative) << "row " << row;
        EXPECT_EQ(typed.total, picked.total) << "row " << row;
        EXPECT_EQ(typed.range, picked.range) << "row " << row;
        // The lines agree up to the last digit of exp of a logarithm.
        EXPECT_NEAR(typed.yCollision, picked.yCollision, 1e-5) << "row " << row;
        EXPECT_NEAR(typed.yRange, picked.yRange, 1e-5) << "row " << row;
        EXPECT_EQ(typed.x, picked.x);
        EXPECT_TRUE(typed.linesVisible);
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(EnergyQueryTest, AcceptedEnergiesAreReadAndShownInTheBoxPattern) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"0.01", "1.000E-02"},      {"1000", "1.000E+03"}, {"5e-1", "5.000E-01"},
                 {"0.5", "5.000E-01"},       {"2MeV", "2.000E+00"}, {" 1 000 ", "1.000E+03"},
                 {"3.16227766", "3.162E+00"}};
    for (const auto& c : cases) {
        Query(QString::fromLatin1(c.typed));
        EXPECT_EQ(form1().Text3->Text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_TRUE(WhatIsShown().linesVisible) << c.typed;
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(EnergyQueryTest, EnergyHalfwayInLogarithmGivesGeometricMeansInTheRightBoxes) {
    const MaterialTable& t = SharedMaterialTable();
    const double energy = std::sqrt(t.EnergyMeV[40] * t.EnergyMeV[41]);
    Query(QString::number(energy, 'g', 17));
    auto mean = [&](const TableColumn& column) { return std::sqrt(column[40] * column[41]); };
    EXPECT_EQ(form1().Text3->Text(), Scientific(energy));
    EXPECT_EQ(form1().Text7->Text(), Scientific(mean(t.CollisionSP)));
    EXPECT_EQ(form1().Text8->Text(), Scientific(mean(t.RadiativeSP)));
    EXPECT_EQ(form1().Text4->Text(), Scientific(mean(t.TotalSP)));
    EXPECT_EQ(form1().Text5->Text(), Scientific(mean(t.CsdaRange)));
    const Form2& graph = form2();
    EXPECT_NEAR(graph.Line1->X1(), CursorX(energy), 1e-5);
    EXPECT_NEAR(graph.Line2->Y1(), CursorYStopping(mean(t.CollisionSP)), 1e-5);
    EXPECT_NEAR(graph.Line3->Y1(), CursorYStopping(mean(t.RadiativeSP)), 1e-5);
    EXPECT_NEAR(graph.Line4->Y1(), CursorYStopping(mean(t.TotalSP)), 1e-5);
    EXPECT_NEAR(graph.Line6->Y1(), CursorYRange(mean(t.CsdaRange)), 1e-5);
    EXPECT_EQ(graph.Line5->X1(), graph.Line1->X1());
}

TEST_F(EnergyQueryTest, RefusedEnergiesLeaveThePreviousQueryInPlace) {
    Query(QStringLiteral("0.5"));
    const Shown before = WhatIsShown();
    const int selected = form1().List1->ListIndex();
    for (const char* typed : {"0.0099", "1000.1", "", "-1", "0", "abc", "-", "1e999", "-1e999"}) {
        recorder_.Clear();
        Query(QString::fromLatin1(typed));
        ASSERT_EQ(recorder_.Messages().size(), 1u) << typed;
        EXPECT_EQ(recorder_.Messages()[0].text, kOutOfRange);
        EXPECT_EQ(recorder_.Messages()[0].style, 48);
        // Only the typed text goes.
        Shown expected = before;
        expected.energy.clear();
        EXPECT_EQ(WhatIsShown(), expected) << typed;
        EXPECT_EQ(form1().List1->ListIndex(), selected);
    }
}

TEST_F(EnergyQueryTest, OnlyEnterQueries) {
    form1().Text3->SetText(QStringLiteral("0.5"));
    form1().Text3KeyPress('5');
    form1().Text3KeyPress(8);
    EXPECT_EQ(form1().Text3->Text(), QStringLiteral("0.5"));
    EXPECT_TRUE(form1().Text7->Text().isEmpty());
    EXPECT_TRUE(recorder_.Messages().empty());
}

class EnergyQueryShortTableTest : public GraphTest {};

TEST_F(EnergyQueryShortTableTest, EnergyAboveTheLastRowIsRefused) {
    // A table that ends at 100 MeV: there is nothing to interpolate between above it.
    TestMaterial shortTable = DistinctCurvesMaterial("Short");
    for (int row = 1; row <= 81; ++row) {
        shortTable.energy[row] = FileRounded(0.01 * std::pow(10.0, (row - 1) / 20.0));
    }
    LoadWithOk(shortTable);
    Query(QStringLiteral("100"));
    EXPECT_TRUE(recorder_.Messages().empty());
    EXPECT_EQ(WhatIsShown(), RowAsShown(81));
    for (const char* typed : {"100.01", "500", "1000"}) {
        recorder_.Clear();
        Query(QString::fromLatin1(typed));
        ASSERT_EQ(recorder_.Messages().size(), 1u) << typed;
        EXPECT_EQ(recorder_.Messages()[0].text, kOutOfRange);
        EXPECT_TRUE(form1().Text3->Text().isEmpty());
        EXPECT_EQ(form1().Text7->Text(), Scientific(SharedMaterialTable().CollisionSP[81]));
    }
}

}  // namespace
}  // namespace velmora::testing
