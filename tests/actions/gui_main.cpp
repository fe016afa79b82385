#include <gtest/gtest.h>

#include <QGuiApplication>

// The page's text is measured and drawn with the application's fonts, which
// need a QGuiApplication (offscreen under CTest).
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
