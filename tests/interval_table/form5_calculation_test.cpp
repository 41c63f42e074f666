// Tests of the equal-interval table window: opening, the calculation and its refusals.
#include <gtest/gtest.h>

#include <QDir>

#include "interval_table/form5.h"
#include "interval_table/form5_fixture.h"
#include "interval_table/interval_table.h"

namespace velmora {
namespace {

using testing::Form5Fixture;
using testing::Snapshot;

TEST_F(Form5Fixture, OpeningPresetsTheBoxesClearsTheListAndFocusesTheFileName) {
    Form5& window = form5();
    SetBoxes(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0.5"));
    window.Text2->SetText(QStringLiteral("old"));
    window.Command3Click();
    ASSERT_EQ(window.List1->ListCount(), 3);
    const IntervalTable before = SharedIntervalTable();

    window.PresetAndShow();
    EXPECT_EQ(window.Text1->Text(), QStringLiteral("0.1"));
    EXPECT_EQ(window.Text2->Text(), QString());
    EXPECT_EQ(window.Text3->Text(), QStringLiteral("0.1"));
    EXPECT_EQ(window.Text4->Text(), QStringLiteral("10"));
    EXPECT_EQ(window.List1->ListCount(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.focusWidget(), window.Text2);
    EXPECT_EQ(window.File1->Path(), window.Dir1->Path());
    EXPECT_EQ(SharedIntervalTable().rows, before.rows);
}

TEST_F(Form5Fixture, DefaultsListOneHundredRowsOfTabulatedValues) {
    form5().Command3Click();
    const QStringList rows = ListRows();
    ASSERT_EQ(rows.size(), 100);
    // 0.1 and 10 MeV are tabulated energies: the rows show the table's own values.
    EXPECT_EQ(rows.front(), QStringLiteral("1.0000E-01  4.9910E+00  1.0000E-03"));
    EXPECT_EQ(rows.back(), QStringLiteral("1.0000E+01  2.0020E+00  1.0000E-01"));
    for (const QString& row : rows) {
        EXPECT_EQ(row.size(), 34) << row.toStdString();
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

struct WorkedExample {
    const char* start;
    const char* end;
    const char* interval;
    int rows;
    const char* firstEnergy;
    const char* lastEnergy;
    const char* endBoxAfter;
};

class Form5Examples : public Form5Fixture, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(Form5Examples, ListsTheArithmeticSequenceWithInterpolatedValues) {
    const WorkedExample& example = GetParam();
    SetBoxes(example.start, example.end, example.interval);
    form5().Command3Click();
    const QStringList rows = ListRows();
    ASSERT_EQ(rows.size(), example.rows);
    EXPECT_EQ(rows.front().left(10), QString::fromLatin1(example.firstEnergy));
    EXPECT_EQ(rows.back().left(10), QString::fromLatin1(example.lastEnergy));
    EXPECT_EQ(form5().Text4->Text(), QString::fromLatin1(example.endBoxAfter));
    // The radiative column of the test material is exactly 0.01 E on the log-log line, so every
    // row's third column must match its own energy.
    for (const QString& row : rows) {
        const double energy = row.left(10).toDouble();
        EXPECT_NEAR(row.mid(22).toDouble(), 0.01 * energy, 0.01 * energy * 1e-4)
            << row.toStdString();
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Form5Examples,
    ::testing::Values(
        WorkedExample{"0.1", "1", "0.2", 5, "1.0000E-01", "9.0000E-01", "1"},
        WorkedExample{"2", "2", "0.5", 1, "2.0000E+00", "2.0000E+00", "2"},
        WorkedExample{"0.1", "5.1", "0.001", 5001, "1.0000E-01", "5.1000E+00", "5.1"},
        WorkedExample{"0.1", "5.101", "0.001", 5001, "1.0000E-01", "5.1000E+00", "5.1"},
        WorkedExample{"0.01", "1000", "0.01", 5001, "1.0000E-02", "5.0010E+01", "50.01"},
        WorkedExample{"10", "1", "-1", 10, "1.0000E+01", "1.0000E+00", "1"},
        WorkedExample{"0.005", "0.01", "0.001", 6, "5.0000E-03", "1.0000E-02", "0.01"}));

TEST_F(Form5Fixture, EndBelowStartEmptiesTheListSilently) {
    form5().Command3Click();
    ASSERT_EQ(form5().List1->ListCount(), 100);
    SetBoxes(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("1"));
    form5().Command3Click();
    EXPECT_EQ(form5().List1->ListCount(), 0);
    EXPECT_TRUE(messages_.Messages().empty());
}

// Every refused input leaves the list, the boxes, the shared table and the folder as they were;
// Save is refused the same way and keeps the window open.
struct Refusal {
    const char* start;
    const char* end;
    const char* interval;
    const char* messagePart;
};

class Form5Refusals : public Form5Fixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Form5Refusals, LeaveEverythingAsItWas) {
    const Refusal& refusal = GetParam();
    form5().Command3Click();
    SetBoxes(refusal.start, refusal.end, refusal.interval);
    form5().Text2->SetText(QStringLiteral("out"));
    const Snapshot before = TakeSnapshot();

    for (Button* button : {form5().Command3, form5().Command1}) {
        messages_.Clear();
        button->click();
        ASSERT_EQ(messages_.Messages().size(), 1u) << button->text().toStdString();
        EXPECT_EQ(messages_.Messages()[0].style, 48);
        EXPECT_TRUE(messages_.Messages()[0].text.contains(QString::fromUtf8(refusal.messagePart)))
            << messages_.Messages()[0].text.toStdString();
        ExpectUnchanged(before);
        EXPECT_TRUE(form5().isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, Form5Refusals,
    ::testing::Values(Refusal{"0.1", "10", "", "入力されていない項目があります"},
                      Refusal{"", "10", "0.1", "入力されていない項目があります"},
                      Refusal{"0.1", "", "0.1", "入力されていない項目があります"},
                      Refusal{"0.1", "10", "0", "must not be zero"},
                      Refusal{"0.1", "10", "abc", "must not be zero"},
                      Refusal{"0", "10", "0.1", "greater than 0 MeV"},
                      Refusal{"10", "-1", "1", "greater than 0 MeV"},
                      Refusal{"-5", "-1", "1", "greater than 0 MeV"},
                      Refusal{"1e400", "10", "0.1", "too large"},
                      Refusal{"0.1", "10", "1e306", "too large"},
                      Refusal{"500", "2000", "100", "last energy"},
                      Refusal{"2000", "3000", "1", "last energy"},
                      // Capped at row 5000, whose energy still lies above the table: the end
                      // box is not rewritten either.
                      Refusal{"0.01", "100000", "1", "last energy"}));

TEST_F(Form5Fixture, AnUnloadedTableIsRefused) {
    SharedMaterialTable() = MaterialTable{};
    form5().Command3Click();
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].style, 48);
    EXPECT_EQ(form5().List1->ListCount(), 0);
}

}  // namespace
}  // namespace velmora
