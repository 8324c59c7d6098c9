// GoogleTest entry point for tests of Qt windows: one QApplication on the offscreen platform.
#include "views/cjkfonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    trellon::installCjkFontSubstitutions();
    return RUN_ALL_TESTS();
}
