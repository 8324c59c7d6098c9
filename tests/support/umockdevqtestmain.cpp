// Entry point for tests of Qt windows on emulated devices: offscreen, under umockdev-wrapper, skipped without it.
#include "support/emulateddevices.h"
#include "views/cjkfonts.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <iostream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests) && !trellon::testing::umockdevPreloadActive()) {
        std::cerr << "skipped: umockdev's preload is not active (run under umockdev-wrapper)\n";
        return trellon::testing::skipExitCode;
    }
    QApplication application(argc, argv);
    trellon::installCjkFontSubstitutions();
    return RUN_ALL_TESTS();
}
