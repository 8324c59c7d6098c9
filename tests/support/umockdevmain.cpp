// GoogleTest entry point for tests on emulated devices: they run under umockdev-wrapper and are skipped without it.
#include "support/emulateddevices.h"

#include <gtest/gtest.h>

#include <iostream>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests) && !trellon::testing::umockdevPreloadActive()) {
        std::cerr << "skipped: umockdev's preload is not active (run under umockdev-wrapper)\n";
        return trellon::testing::skipExitCode;
    }
    return RUN_ALL_TESTS();
}
