// The Win32 backend's windows as the system has them: what the framework's
// messages carry, the drop-down lists' own messages, the edit fields'
// length, and where the main window opens.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fw/gdi.h"
#include "fw/images.h"
#include "fw/testing.h"
#include "tests/ui/main_window.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

CComboBox& List(CWnd& dialog, int id) { return *static_cast<CComboBox*>(dialog.GetDlgItem(id)); }

}  // namespace

TEST(Win32Windows, FontsAndIconsComeBackAsTheFrameworksOwn) {
    RunMainWindow([](CCoilDialog& dialog) {
        // The lists' fonts as the window set them; the others the dialog's.
        const auto font = [&](int id) {
            return reinterpret_cast<HFONT>(dialog.GetDlgItem(id)->SendMessage(WM_GETFONT));
        };
        const HFONT dialogFont = reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT));
        ASSERT_NE(dialogFont, nullptr);
        EXPECT_EQ(font(IDC_TURNS), dialogFont);
        EXPECT_EQ(font(IDC_CALC_N), dialogFont);
        EXPECT_NE(font(IDC_CORE), dialogFont);
        EXPECT_NE(font(IDC_MIX), dialogFont);
        LOGFONT core;
        ASSERT_NE(GetObject(font(IDC_CORE), sizeof core, &core), 0);
        EXPECT_STREQ(core.lfFaceName, "Courier New");

        // Setting an icon answers the one set before.
        const HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        const HICON other = AfxGetApp()->LoadIcon(IDI_ABOUT);
        EXPECT_EQ(dialog.SetIcon(other, TRUE), icon);
        EXPECT_EQ(dialog.SetIcon(icon, TRUE), other);
        EXPECT_EQ(dialog.SetIcon(icon, FALSE), icon);
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(Win32Windows, DropDownListsAnswerAsTheirMessagesDo) {
    RunMainWindow([](CCoilDialog& dialog) {
        CComboBox& cores = List(dialog, IDC_CORE);
        const int count = cores.GetCount();
        ASSERT_GT(count, 0);
        CString text;
        struct Case {
            const char* name;
            int row;
            int answer;
        };
        const Case reads[] = {{"first row", 0, 9}, {"past the last", count, CB_ERR}, {"negative", -1, CB_ERR}};
        for (const Case& c : reads) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(cores.GetLBText(c.row, text), c.answer);
        }
        // Adding a row selects nothing; -1 clears the selection.
        EXPECT_EQ(cores.AddString("T-999-0"), count);
        EXPECT_EQ(cores.GetCurSel(), 0);
        EXPECT_EQ(cores.SetCurSel(count), count);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-999-0");
        EXPECT_EQ(cores.SetCurSel(-1), CB_ERR);
        EXPECT_EQ(cores.GetCurSel(), CB_ERR);
        EXPECT_EQ(Text(dialog, IDC_CORE), "");
        cores.ResetContent();
        EXPECT_EQ(cores.GetCount(), 0);
        dialog.EndDialog(IDCANCEL);
    });
}

// The system's edit field takes 30,000 characters from the keyboard unless
// told otherwise; the program's fields take any number.
TEST(Win32Windows, EditFieldsTakeTypingPastTheSystemsUsualLimit) {
    RunMainWindow([](CCoilDialog& dialog) {
        const std::string digits(30000, '1');
        fw::testing::SetTextUtf8(Item(dialog, IDC_TURNS), digits);
        fw::testing::Click(Item(dialog, IDC_TURNS));
        fw::testing::PressKey(fw::testing::Key::End);
        fw::testing::TypeText("23");
        EXPECT_EQ(Text(dialog, IDC_TURNS), digits + "23");
        dialog.EndDialog(IDCANCEL);
    });
}

// Without an owner the main window opens in the middle of the screen (the
// tests' X server has no task bar: the work area is the whole screen).
TEST(Win32Windows, TheMainWindowOpensInTheMiddleOfTheWorkArea) {
    RunMainWindow([](CCoilDialog& dialog) {
        CRect frame;
        dialog.GetWindowRect(&frame);
        EXPECT_LE(std::abs((frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
        EXPECT_LE(std::abs((frame.top + frame.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
        dialog.EndDialog(IDCANCEL);
    });
}
