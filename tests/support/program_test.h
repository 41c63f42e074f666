// Fixture of window tests: a fresh program in its own temporary working folder, with message
// boxes and program ends recorded.
#pragma once

#include <gtest/gtest.h>

#include <array>

#include "app/program_windows.h"
#include "core/material_table.h"
#include "core/shared_tables.h"
#include "main_window/main_window.h"
#include "support/material_files.h"
#include "support/message_recorder.h"
#include "toolkit/message_box.h"

namespace velmora::testing {

// The main window's energy box and its four result boxes.
inline std::array<TextBox*, 5> QueryBoxes(const MainWindow& m) {
    return {m.energyBox, m.collisionBox, m.radiativeBox, m.totalBox, m.rangeBox};
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    // The main window as a start leaves it: empty boxes and table list, no file chosen.
    static void ExpectMainWindowCleared(MainWindow& main) {
        for (TextBox* box : QueryBoxes(main))
            EXPECT_TRUE(box->Text().isEmpty());
        for (TextBox* box : {main.materialNameBox, main.densityBox, main.meanExcitationBox})
            EXPECT_TRUE(box->Text().isEmpty()) << box->Text().toStdString();
        EXPECT_EQ(main.tableList->ListCount(), 0);
        EXPECT_FALSE(main.intervalTableButton->Enabled());
        EXPECT_TRUE(main.elementList->FileName().isEmpty() &&
                    main.compoundList->FileName().isEmpty());
        EXPECT_TRUE(SharedMaterialTable().DataFilePath.empty());
    }

    // Exactly one message box since the last check, of the style and containing the text; the
    // check forgets it.
    void ExpectMessage(const QString& part, int style = kMsgExclamation) {
        ASSERT_EQ(recorder_.Messages().size(), 1u) << part.toStdString();
        EXPECT_EQ(recorder_.Messages()[0].style, style);
        EXPECT_TRUE(recorder_.Messages()[0].text.contains(part))
            << recorder_.Messages()[0].text.toStdString();
        recorder_.Clear();
    }

    MessageRecorder recorder_;

  private:
    WorkingFolder folder_;
};

}  // namespace velmora::testing
