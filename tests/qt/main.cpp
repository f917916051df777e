// The Qt front end's tests run without a display: the QApplication and the
// Qt platform exist for the whole run, on the offscreen platform plugin.
#include "qt/qt_platform.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    // QUANDEL_QT_TESTS_ON_DISPLAY=1 keeps the display (xvfb-run), for the
    // tests that talk to X tools such as xclip.
    if (qgetenv("QUANDEL_QT_TESTS_ON_DISPLAY") != "1")
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    quan::qtui::QtPlatform platform;
    quan::plat::Platform::install(&platform);
    int status = RUN_ALL_TESTS();
    quan::plat::Platform::install(nullptr);
    return status;
}
