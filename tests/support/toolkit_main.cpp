// The main of the test programs that need the toolkit: headless start, then
// every test.
#include <gtest/gtest.h>

#include "fw/testing.h"

int main(int argc, char** argv) {
    fw::testing::StartToolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    fw::testing::StopToolkit();
    return result;
}
