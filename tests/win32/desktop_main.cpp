// The main of the Windows-only test programs that use the framework's
// desktop: the application object's name set as the program's start sets it.
#include <gtest/gtest.h>

#include "fw/testing.h"

int main(int argc, char** argv) {
    fw::testing::StartToolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    fw::testing::StopToolkit();
    return result;
}
