// SPDX-License-Identifier: GPL-3.0-or-later
// The painter tests draw text and icons, so a QApplication has to exist. They
// run on the off-screen platform unless QT_QPA_PLATFORM names another one
// (test discovery runs this program without the tests' environment).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
