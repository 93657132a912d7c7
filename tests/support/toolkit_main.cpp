// The main of the test programs that need the toolkit: a home folder of
// their own, headless start, then every test. Whatever was written into the
// home folder fails the run.
#include <gtest/gtest.h>

#include <cstdio>

#include "fw/testing.h"
#include "tests/support/temporary_home.h"

int main(int argc, char** argv) {
    const kalvex_test::TemporaryHome home;
    fw::testing::StartToolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    fw::testing::StopToolkit();
    for (const std::string& path : home.Written()) {
        std::fprintf(stderr, "written into the home folder: %s\n", path.c_str());
        result = 1;
    }
    return result;
}
