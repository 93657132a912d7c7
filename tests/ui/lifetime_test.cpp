// Opening and closing the windows again and again leaves nothing behind:
// no font, cursor, device context, window or toolkit widget outlives the
// window that made it.
#include <gtest/gtest.h>

#include <ostream>

#include "fw/diagnostics.h"
#include "fw/testing.h"
#include "tests/ui/main_window.h"
#include "ui/about_dialog.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;

namespace {

struct Counts {
    int fonts;
    int cursors;
    int deviceContexts;
    int windows;
    int widgets;
    bool operator==(const Counts&) const = default;
};

void PrintTo(const Counts& c, std::ostream* os) {
    *os << "{fonts " << c.fonts << ", cursors " << c.cursors << ", DCs " << c.deviceContexts << ", windows "
        << c.windows << ", widgets " << c.widgets << "}";
}

Counts Live() {
    return {fw::LiveFontCount(), fw::LiveCursorCount(), fw::LiveDeviceContextCount(), fw::LiveWindowCount(),
            fw::testing::ToolkitWidgetCount()};
}

// Everything a session touches: both lists open, every field painted, a
// calculation, then the window is grabbed (painted whole) and closed.
void UseMainWindow(CCoilDialog& dialog) {
    fw::testing::OpenDropDown(Item(dialog, IDC_MIX));
    fw::testing::GrabDropDown(Item(dialog, IDC_MIX));
    fw::testing::ClickListRow(Item(dialog, IDC_MIX), 2);
    fw::testing::ReplaceText(Item(dialog, IDC_INDUCTANCE), "1.5");
    fw::testing::Click(Item(dialog, IDC_CALC_N));
    fw::testing::Grab(dialog.m_hWnd);
}

// Opens the About box from the menu, points at a link (its hand cursor),
// paints it whole and closes it with Escape.
void UseAboutBox(CCoilDialog& main) {
    fw::testing::WhenModal([](CDialog& about) {
        CRect link;
        about.GetDlgItem(IDC_LINK_HOME)->GetWindowRect(&link);
        CRect box;
        about.GetWindowRect(&box);
        fw::testing::MoveMouse(about.m_hWnd, CPoint{link.left - box.left + 2, link.top - box.top + 2});
        fw::testing::Grab(about.m_hWnd);
        fw::testing::PressKey(fw::testing::Key::Escape);
    });
    fw::testing::ChooseMenuItem(main.m_hWnd, ID_APP_ABOUT);
}

TEST(Lifetime, MainWindowFiftyTimesAndAboutBoxTwoHundredTimesLeaveNothingBehind) {
    // The first round fills what the toolkit keeps for the whole process
    // (font caches, style objects); from then on nothing may grow.
    Counts whileOpen{};
    RunMainWindow([&](CCoilDialog& dialog) {
        UseMainWindow(dialog);
        UseAboutBox(dialog);
        whileOpen = Live();
        dialog.EndDialog(IDCANCEL);
    });
    const Counts before = Live();
    // The counts see the window: a closed one gives them back.
    EXPECT_GT(whileOpen.windows, before.windows);
    EXPECT_GT(whileOpen.fonts, before.fonts);
    EXPECT_GT(whileOpen.widgets, before.widgets);

    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        RunMainWindow([](CCoilDialog& dialog) {
            UseMainWindow(dialog);
            dialog.EndDialog(IDCANCEL);
        });
        ASSERT_EQ(Live(), before);
    }

    RunMainWindow([&](CCoilDialog& dialog) {
        const Counts mainOpen = Live();
        for (int round = 0; round < 200; ++round) {
            SCOPED_TRACE(round);
            UseAboutBox(dialog);
            ASSERT_EQ(Live(), mainOpen);
        }
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(Live(), before);
}

}  // namespace
