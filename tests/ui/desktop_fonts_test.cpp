// The faces the main window asks for on the Linux desktop.
#include <gtest/gtest.h>

#include "fw/testing.h"
#include "tests/ui/main_window.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;

// The faces the window asks for (MS Sans Serif, Courier New, Fixedsys) are not
// installed on the test machines; their metric twins stand in.
TEST(MainWindow, MissingFacesAreReplacedByTheirMetricTwins) {
    RunMainWindow([](CCoilDialog& dialog) {
        struct Case {
            int id;
            const char* family;
        };
        for (const Case& c : {Case{IDC_TURNS, "Liberation Sans"}, Case{IDC_CALC_N, "Liberation Sans"},
                              Case{IDC_CORE, "Liberation Mono"}, Case{IDC_MIX, "Liberation Mono"}}) {
            SCOPED_TRACE(c.id);
            EXPECT_EQ(fw::testing::FontFamilyOf(Item(dialog, c.id)), c.family);
        }
    });
}
