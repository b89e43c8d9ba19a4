// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Decoding GIF and ICO files goes through Qt's image plugins.
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
