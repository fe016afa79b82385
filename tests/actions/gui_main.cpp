#include <gtest/gtest.h>

#include <QGuiApplication>

// The page's text is measured and drawn with the application's fonts, which
// need a QGuiApplication (offscreen under CTest). Only listing the tests, as
// CTest does to find them, needs none: it then runs without a display and
// leaves nothing behind (Qt makes a run-time folder when it starts).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
