// The GUI tests run in one QApplication on whatever platform Qt is given (offscreen in CTest).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/headless.h"

int main(int argc, char** argv) {
    cf::qt::use_offscreen_without_display();  // test discovery runs without the test's environment
    cf::qt::quiet_platform_notices();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
