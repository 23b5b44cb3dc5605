#include <QGuiApplication>
#include <gtest/gtest.h>

// The PDF back end measures text with real fonts, which needs the GUI application.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
