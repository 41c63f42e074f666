// Test entry point for window tests: a QApplication on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/program.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    velmora::InitializeToolkit();
    return RUN_ALL_TESTS();
}
