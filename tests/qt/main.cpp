#include <QApplication>

#include <gtest/gtest.h>

// The front-end tests need a QApplication in the test process; with no platform
// named they run off screen on a 1024 x 768 screen (test discovery runs without
// CTest's environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", VELLARO_QT_TEST_PLATFORM);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
