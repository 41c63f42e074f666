// Tests of the equal-interval table window: opening, the calculation and its refusals.
#include <tuple>
#include <vector>

#include "interval_table/interval_table_fixture.h"

namespace velmora::testing {
namespace {

TEST_F(IntervalTableTest, OpeningPresetsAndCalculationListsTheSequence) {
    IntervalTableWindow& window = intervalTableWindow();
    SetBoxes("1", "2", "0.5");
    window.fileNameBox->SetText("old");
    window.CalculateTable();
    ASSERT_EQ(window.resultList->ListCount(), 3);
    window.PresetAndShow();
    EXPECT_EQ(QStringList({window.startEnergyBox->Text(), window.endEnergyBox->Text(),
                           window.intervalBox->Text(), window.fileNameBox->Text()}),
              QStringList({"0.1", "10", "0.1", ""}));
    EXPECT_EQ(window.resultList->ListCount(), 0);
    EXPECT_EQ(window.focusWidget(), window.fileNameBox);
    // Start, end, interval; the rows listed, the beginning of the last one, the end box after.
    const char* const examples[][6] = {
        {"0.1", "10", "0.1", "100", "1.0000E+01  2.0020E+00  1.0000E-01", "10"},  // tabulated
        {"0.1", "1", "0.2", "5", "9.0000E-01", "1"},
        {"2", "2", "0.5", "1", "2.0000E+00", "2"},
        {"0.1", "5.100", "0.001", "5001", "5.1000E+00", "5.100"},
        {"0.1", "5.101", "0.001", "5001", "5.1000E+00", "5.1"},
        {"0.01", "1000", "0.01", "5001", "5.0010E+01", "50.01"},
        {"10", "1", "-1", "10", "1.0000E+00", "1"},
        {"0.005", "0.01", "0.001", "6", "1.0000E-02", "0.01"},
        {"10", "0", "-3", "4", "1.0000E+00", "0"},  // the end itself would not be a row
        // A negative count empties the list silently, whatever the signs of start and end.
        {"10", "1", "1", "0", "", "1"},
        {"10", "-1", "1", "0", "", "-1"},
        {"0.1", "0", "0.1", "0", "", "0"},
        {"0.1", "MeV", "0.1", "0", "", "MeV"}};
    for (const auto& [start, end, interval, count, last, endBoxAfter] : examples) {
        SCOPED_TRACE(std::string(start) + " to " + end + " by " + interval);
        SetBoxes(start, end, interval);
        window.CalculateTable();
        const QStringList rows = ListRows();
        ASSERT_EQ(rows.size(), atoi(count));
        EXPECT_EQ(rows.value(rows.size() - 1).left(qstrlen(last)), last);
        EXPECT_EQ(window.endEnergyBox->Text(), endBoxAfter);
        // The test material's radiative column is exactly 0.01 E on the log-log line.
        for (const QString& row : rows) {
            ASSERT_EQ(row.size(), 34) << row.toStdString();
            const double energy = row.left(10).toDouble();
            EXPECT_NEAR(row.mid(22).toDouble(), 0.01 * energy, energy * 1e-6) << row.toStdString();
        }
    }
    EXPECT_TRUE(recorder_.Messages().empty());
}

// Every refused input leaves the list, the boxes, the shared table and the folder as they were;
// Save is refused the same way and keeps the window open.
TEST_F(IntervalTableTest, RefusedInputsLeaveEverythingAsItWas) {
    // A part of the message ("入力": an empty box), and start, end and interval boxes that get it.
    // The last case is capped at row 5000, whose energy is still above the table.
    const std::pair<const char*, std::vector<QStringList>> refusals[] = {
        {"入力", {{"0.1", "10", ""}, {"", "10", "0.1"}, {"0.1", "", "0.1"}}},
        {"zero", {{"0.1", "10", "0"}, {"0.1", "10", "abc"}}},
        {"than 0 MeV (row 1 of the table would be at 0 MeV)", {{"0", "10", "0.1"}}},
        {"than 0 MeV (row 1 of the table would be at -1 MeV)", {{"-1", "10", "0.1"}}},
        {"than 0 MeV (row 5 of the table would be at -2 MeV)", {{"10", "-5", "-3"}}},
        {"too large", {{"1e400", "10", "0.1"}, {"0.1", "10", "1e306"}}},
        {"last energy", {{"500", "2000", "100"}, {"0.01", "100000", "1"}}}};
    IntervalTableWindow& window = intervalTableWindow();
    window.CalculateTable();
    window.fileNameBox->SetText("out");
    const IntervalTable table = SharedIntervalTable();
    const auto snapshot = [&] {
        return std::tuple{ListRows(), FolderEntries(),
                          QStringList{window.startEnergyBox->Text(), window.endEnergyBox->Text(),
                                      window.intervalBox->Text(), window.fileNameBox->Text()}};
    };
    for (const auto& [message, cases] : refusals) {
        for (const QStringList& boxes : cases) {
            SetBoxes(boxes[0], boxes[1], boxes[2]);
            const auto before = snapshot();
            for (Button* button : {window.calculateButton, window.saveButton}) {
                button->click();
                ExpectMessage(message);
                EXPECT_TRUE(snapshot() == before) << boxes.join(' ').toStdString();
                EXPECT_TRUE(SharedIntervalTable().rows == table.rows);
                EXPECT_TRUE(window.isVisible());
            }
        }
    }
    SharedMaterialTable() = MaterialTable{};  // and without a loaded material
    window.CalculateTable();
    ExpectMessage("No material table");
    EXPECT_TRUE(SharedIntervalTable().rows == table.rows);
}

}  // namespace
}  // namespace velmora::testing
