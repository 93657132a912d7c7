// The About box's links with the desktop's real opener (a stand-in script
// on the PATH) and the toolkit's real clipboard.
#include <gtest/gtest.h>

#include "fw/testing.h"
#include "tests/support/fake_opener.h"
#include "tests/ui/main_window.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;

TEST(AboutBox, ALinkNothingCanOpenLandsOnTheRealClipboard) {
    struct Case {
        const char* name;
        const char* ending;
        const char* clipboard;
    };
    const Case cases[] = {
        {"no mail program", "exit 3", "mailto:autore@example.org"},
        {"opened", "exit 0", "earlier content"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kalvex_test::FakeOpener opener(c.ending);
        fw::testing::RealDesktop().SetClipboardText("earlier content");
        RunMainWindow([](CCoilDialog& main) {
            fw::testing::WhenModal([](CDialog& about) { fw::testing::Click(Item(about, IDC_LINK_MAIL)); });
            fw::testing::ChooseMenuItem(main.m_hWnd, ID_APP_ABOUT);
        });
        EXPECT_EQ(opener.Argument(), "mailto:autore@example.org");
        EXPECT_EQ(fw::testing::ClipboardText(), c.clipboard);
    }
}
