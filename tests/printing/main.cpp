#include <QApplication>

#include <gtest/gtest.h>

// The print dialog needs a widget application; the offscreen platform needs no display.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
