// Fixture of window tests: a fresh program in its own temporary working folder, with message
// boxes and program ends recorded.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/forms.h"
#include "support/message_recorder.h"

namespace velmora::testing {

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }

    void TearDown() override {
        ResetProgramState();
        QDir::setCurrent(previousFolder_);
    }

    MessageRecorder recorder_;

  private:
    QTemporaryDir folder_;
    QString previousFolder_;
};

}  // namespace velmora::testing
