// Fixture of window tests: a fresh program in its own temporary working folder, with message
// boxes and program ends recorded.
#pragma once

#include <gtest/gtest.h>

#include "app/forms.h"
#include "core/material_table.h"
#include "main_window/form1.h"
#include "support/material_files.h"
#include "support/message_recorder.h"

namespace velmora::testing {

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    // The main window as a start leaves it: empty boxes and table list, no file chosen.
    static void ExpectMainWindowCleared(Form1& main) {
        for (TextBox* box : {main.Text1, main.Text2, main.Text3, main.Text4, main.Text5, main.Text6,
                             main.Text7, main.Text8}) {
            EXPECT_TRUE(box->Text().isEmpty()) << box->Text().toStdString();
        }
        EXPECT_EQ(main.List1->ListCount(), 0);
        EXPECT_FALSE(main.Command5->Enabled());
        EXPECT_TRUE(main.File1->FileName().isEmpty() && main.File2->FileName().isEmpty());
        EXPECT_TRUE(SharedMaterialTable().DataFilePath.empty());
    }

    MessageRecorder recorder_;

  private:
    WorkingFolder folder_;
};

}  // namespace velmora::testing
