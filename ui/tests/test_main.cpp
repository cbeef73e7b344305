// GoogleTest with one QApplication for every test of the windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    // The windows are driven without a display, also when the test list is read.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // What the windows keep for the next start stays out of the user's folder.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
