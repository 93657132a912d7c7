// The main window: start-up, layout, keyboard, closing and help.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/form.h"
#include "fw/testing.h"
#include "tests/ui/main_window.h"

using fw::testing::Key;
using kalvex_test::Choose;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

TEST(MainWindow, StartsWithTheFirstMixAndEmptyFields) {
    fw::testing::WhenModal([](CDialog& dialog) {
        EXPECT_EQ(AfxGetMainWnd(), &dialog);
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_EQ(caption, "KALVEX - V 4.0");
        EXPECT_EQ(fw::testing::FocusWindow(), Item(dialog, IDC_MIX));

        auto* mixes = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_MIX));
        EXPECT_EQ(mixes->GetCount(), 11);
        EXPECT_EQ(mixes->GetCurSel(), 0);
        EXPECT_EQ(Text(dialog, IDC_MIX), "T-xxx-0 ; marrone;       ; (100.00 - 300.0 MHz)");
        auto* cores = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE));
        EXPECT_EQ(cores->GetCount(), 13);
        EXPECT_EQ(cores->GetCurSel(), 0);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-130-0  ");
        for (int id : {IDC_TURNS, IDC_INDUCTANCE, IDC_CAPACITANCE, IDC_FREQUENCY, IDC_XL, IDC_XC}) {
            EXPECT_EQ(Text(dialog, id), "") << "field " << id;
        }
    });
    // The program's own start: InitInstance runs the window and answers FALSE.
    EXPECT_EQ(AfxGetApp()->InitInstance(), FALSE);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

// The fuzz targets keep one window open without a modal run: it starts as a
// modal run would start it, takes calls until it is closed, and closing it
// leaves nothing behind.
TEST(MainWindow, OpensWithoutAModalRunAndCloses) {
    CCoilDialog dialog;
    ASSERT_TRUE(fw::testing::OpenDialog(dialog, IDD_MAIN));
    ASSERT_NE(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(static_cast<CComboBox*>(dialog.GetDlgItem(IDC_MIX))->GetCurSel(), 0);
    EXPECT_EQ(Text(dialog, IDC_CORE), "T-130-0  ");
    dialog.SetDlgItemText(IDC_TURNS, "17");
    EXPECT_EQ(Text(dialog, IDC_TURNS), "17");
    fw::testing::CloseDialog(dialog);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    fw::testing::CloseDialog(dialog);  // closing a closed window does nothing

    // A modal run afterwards starts afresh.
    EXPECT_EQ(RunMainWindow([](CCoilDialog& running) { EXPECT_EQ(Text(running, IDC_TURNS), ""); }),
              fw::testing::kEndedByTest);
}

TEST(MainWindow, LayoutKeepsTheTemplatesProportions) {
    struct Control {
        int id;
        CRect units;  // x, y, x + w, y + h in dialog units
    };
    const Control controls[] = {
        {IDC_TURNS, {195, 50, 270, 62}},          {IDC_CALC_L, {195, 70, 270, 82}},
        {IDC_INDUCTANCE, {195, 90, 270, 102}},    {IDC_CAPACITANCE, {195, 110, 270, 122}},
        {IDC_CALC_F, {195, 130, 270, 142}},       {IDC_FREQUENCY, {195, 150, 270, 162}},
        {IDC_CALC_X, {195, 170, 270, 182}},       {IDC_CALC_C_FROM_FL, {65, 110, 110, 122}},
        {IDC_CALC_L_FROM_FC, {65, 90, 110, 102}}, {IDC_CALC_N, {65, 50, 110, 62}},
        {IDC_XL, {195, 190, 270, 202}},           {IDC_XC, {195, 205, 270, 217}},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        CRect whole{0, 0, 277, 225};
        dialog.MapDialogRect(&whole);
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), whole.Width());
        EXPECT_EQ(client.Height(), whole.Height());
        // A dialog font of sensible size: base units near those of an 8-point sans.
        CRect unit{0, 0, 4, 8};
        dialog.MapDialogRect(&unit);
        EXPECT_GE(unit.Width(), 5);
        EXPECT_LE(unit.Width(), 7);
        EXPECT_GE(unit.Height(), 11);
        EXPECT_LE(unit.Height(), 15);

        // Position and size convert separately, as the dialog manager does.
        const auto toPixels = [&](const CRect& units) {
            CRect origin{units.left, units.top, 0, 0};
            CRect size{0, 0, units.Width(), units.Height()};
            dialog.MapDialogRect(&origin);
            dialog.MapDialogRect(&size);
            return CRect{origin.left, origin.top, origin.left + size.right, origin.top + size.bottom};
        };
        for (const Control& control : controls) {
            SCOPED_TRACE(control.id);
            EXPECT_EQ(fw::testing::ClientRectOf(Item(dialog, control.id)), toPixels(control.units));
        }
        // The lists: their position and width; the height is the closed field's.
        for (const Control& list : {Control{IDC_MIX, {10, 10, 270, 245}}, Control{IDC_CORE, {195, 30, 270, 265}}}) {
            SCOPED_TRACE(list.id);
            const CRect expected = toPixels(list.units);
            const CRect actual = fw::testing::ClientRectOf(Item(dialog, list.id));
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.Width(), expected.Width());
        }
    });
}

namespace {

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// The colour of a row or column of pixels, or -1 when they differ; its two
// end pixels, which the next control or the background may share at a
// fractional scale, left out.
long long Line(const fw::testing::Image& image, bool row, int at) {
    const int length = row ? image.width : image.height;
    const COLORREF first = row ? image.At(1, at) : image.At(at, 1);
    for (int i = 2; i < length - 1; ++i) {
        if ((row ? image.At(i, at) : image.At(at, i)) != first) return -1;
    }
    return first;
}

}  // namespace

// The first separator is a dark line over a light one, each across its whole
// width; an output's thin edge runs whole along every side. At the scale the
// desktop draws the window in: ui_tests.scale_1.25 and scale_1.5 run this where
// a line of one unit covers a pixel and a quarter or a half.
TEST(MainWindow, SeparatorsAndOutputEdgesAreDrawnWhole) {
    RunMainWindow([](CCoilDialog& dialog) {
        // An empty output shows the dialog's background inside its edge.
        const fw::testing::Image empty = fw::testing::GrabInDialog(Item(dialog, IDC_XL));
        ASSERT_GE(empty.height, 3);
        const long long background = empty.At(empty.width / 2, empty.height / 2);

        const fw::testing::Image line = fw::testing::GrabInDialog(Item(dialog, -1));
        int dark = 0;
        while (dark < line.height && Line(line, true, dark) == background) ++dark;
        int light = dark + 1;
        while (light < line.height && Line(line, true, light) == Line(line, true, dark)) ++light;
        ASSERT_LT(light, line.height) << "no separator, or one of one colour";
        const long long darkColour = Line(line, true, dark);
        const long long lightColour = Line(line, true, light);
        EXPECT_NE(darkColour, -1) << "the dark line is broken";
        EXPECT_NE(lightColour, -1) << "the light line is broken";
        const auto brightness = [](long long colour) { return Brightness(static_cast<COLORREF>(colour)); };
        EXPECT_LT(brightness(darkColour), brightness(background)) << "no dark line";
        EXPECT_GT(brightness(lightColour), brightness(background)) << "no light line";

        for (const int id : {IDC_XL, IDC_XC}) {
            SCOPED_TRACE(id);
            const fw::testing::Image output = fw::testing::GrabInDialog(Item(dialog, id));
            // Each side: its outermost line that is not the background, which
            // must be whole and within a pixel of the side.
            const struct {
                const char* name;
                bool row;
                int from, step;
            } sides[] = {{"top", true, 0, 1},
                         {"bottom", true, output.height - 1, -1},
                         {"left", false, 0, 1},
                         {"right", false, output.width - 1, -1}};
            for (const auto& side : sides) {
                int at = side.from;
                while (at != side.from + 2 * side.step && Line(output, side.row, at) == background) at += side.step;
                EXPECT_NE(Line(output, side.row, at), background) << "no " << side.name << " edge";
                EXPECT_NE(Line(output, side.row, at), -1) << "the " << side.name << " edge is broken";
            }
        }
    });
}

TEST(MainWindow, ListsUseFixedPitchTenPointFonts) {
    RunMainWindow([](CCoilDialog& dialog) {
        for (int id : {IDC_MIX, IDC_CORE}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(fw::testing::IsFixedPitch(Item(dialog, id)));
            EXPECT_EQ(fw::testing::FontPixelSizeOf(Item(dialog, id)), 13);  // 10 points at 96 dpi
        }
        EXPECT_FALSE(fw::testing::IsFixedPitch(Item(dialog, IDC_TURNS)));
    });
}

// An open list is as high as the template says (235 units, the closed field
// included), in whole rows; a list with fewer rows is as high as those.
TEST(MainWindow, OpenListsTakeTheTemplatesHeightInWholeRows) {
    RunMainWindow([](CCoilDialog& dialog) {
        CRect height{0, 0, 0, 235};
        dialog.MapDialogRect(&height);
        struct Case {
            int id;
            std::size_t rows;
        };
        for (const Case& c : {Case{IDC_MIX, calc::MixRows().size()}, Case{IDC_CORE, calc::CoreRows(0).size()}}) {
            SCOPED_TRACE(c.id);
            const HWND list = Item(dialog, c.id);
            const int closed = fw::testing::ClientRectOf(list).Height();
            fw::testing::OpenDropDown(list);
            const int rowHeight = fw::testing::DropDownRowRect(list, 0).Height();
            ASSERT_GT(rowHeight, 0);
            const int fitting = (height.Height() - closed) / rowHeight;
            EXPECT_EQ(fw::testing::GrabDropDown(list).height, std::min(static_cast<int>(c.rows), fitting) * rowHeight);
            fw::testing::PressKey(Key::Escape);
            EXPECT_FALSE(fw::testing::IsDropDownOpen(list));
        }
    });
}

TEST(MainWindow, TabVisitsTheControlsInTemplateOrder) {
    const int order[] = {IDC_MIX,    IDC_CORE,      IDC_TURNS,  IDC_CALC_L,         IDC_INDUCTANCE,     IDC_CAPACITANCE,
                         IDC_CALC_F, IDC_FREQUENCY, IDC_CALC_X, IDC_CALC_C_FROM_FL, IDC_CALC_L_FROM_FC, IDC_CALC_N,
                         IDC_MIX};
    RunMainWindow([&](CCoilDialog& dialog) {
        for (std::size_t i = 0; i < std::size(order); ++i) {
            EXPECT_EQ(fw::testing::FocusWindow(), Item(dialog, order[i])) << "stop " << i;
            fw::testing::PressKey(Key::Tab);
        }
    });
}

TEST(MainWindow, EnterRunsOnlyAFocusedButton) {
    const INT_PTR result = RunMainWindow([](CCoilDialog& dialog) {
        fw::testing::ReplaceText(Item(dialog, IDC_INDUCTANCE), "1");
        fw::testing::ReplaceText(Item(dialog, IDC_CAPACITANCE), "100");
        // In an edit field, and on the closed list: nothing happens.
        fw::testing::PressKey(Key::Enter);
        EXPECT_EQ(Text(dialog, IDC_FREQUENCY), "");
        fw::testing::Click(Item(dialog, IDC_MIX));
        fw::testing::PressKey(Key::Escape);  // closes the list the click opened
        ASSERT_NE(dialog.m_hWnd, nullptr);
        EXPECT_EQ(fw::testing::FocusWindow(), Item(dialog, IDC_MIX));
        fw::testing::PressKey(Key::Enter);
        EXPECT_EQ(Text(dialog, IDC_FREQUENCY), "");
        ASSERT_NE(dialog.m_hWnd, nullptr);
        // On a focused push button: its command.
        dialog.GetDlgItem(IDC_CALC_F)->SetFocus();
        fw::testing::PressKey(Key::Enter);
        EXPECT_EQ(Text(dialog, IDC_FREQUENCY), "15.915");
    });
    EXPECT_EQ(result, fw::testing::kEndedByTest);
}

TEST(MainWindow, EscapeClosesAnOpenListFirst) {
    const INT_PTR result = RunMainWindow([](CCoilDialog& dialog) {
        fw::testing::OpenDropDown(Item(dialog, IDC_MIX));
        ASSERT_TRUE(fw::testing::IsDropDownOpen(Item(dialog, IDC_MIX)));
        fw::testing::PressKey(Key::Escape);
        EXPECT_FALSE(fw::testing::IsDropDownOpen(Item(dialog, IDC_MIX)));
        ASSERT_NE(dialog.m_hWnd, nullptr);
        fw::testing::PressKey(Key::Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// F10, and Alt on its own, select the menu bar: its first menu drawn
// selected, Down opens it, Escape closes it and a second Escape (or F10)
// leaves the bar; the form is as it was and the window stays open.
TEST(MainWindow, F10AndAltSelectTheMenuBar) {
    for (const Key key : {Key::F10, Key::Alt}) {
        SCOPED_TRACE(key == Key::F10 ? "F10" : "Alt");
        const INT_PTR result = RunMainWindow([key](CCoilDialog& dialog) {
            const std::string mix = Text(dialog, IDC_MIX);
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), -1);
            fw::testing::PressKey(key);
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), 0);
            EXPECT_FALSE(fw::testing::IsMenuOpen());
            fw::testing::PressKey(Key::Down);
            EXPECT_TRUE(fw::testing::IsMenuOpen());
            fw::testing::PressKey(Key::Escape);
            EXPECT_FALSE(fw::testing::IsMenuOpen());
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), 0);
            fw::testing::PressKey(Key::Escape);
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), -1);
            ASSERT_NE(dialog.m_hWnd, nullptr);
            EXPECT_EQ(fw::testing::FocusWindow(), Item(dialog, IDC_MIX));

            fw::testing::PressKey(key);
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), 0);
            fw::testing::PressKey(key);
            EXPECT_EQ(fw::testing::SelectedMenu(dialog.m_hWnd), -1);
            ASSERT_NE(dialog.m_hWnd, nullptr);
            EXPECT_EQ(Text(dialog, IDC_MIX), mix);
        });
        EXPECT_EQ(result, fw::testing::kEndedByTest);
    }
}

TEST(MainWindow, EveryWayOfClosingEndsTheRunWithCancel) {
    struct Way {
        const char* name;
        void (*close)(CCoilDialog&);
    };
    const Way ways[] = {
        {"Esci", [](CCoilDialog& d) { fw::testing::ChooseMenuItem(d.m_hWnd, ID_APP_EXIT); }},
        {"close box", [](CCoilDialog& d) { fw::testing::RequestClose(d.m_hWnd); }},
        {"Alt+F4", [](CCoilDialog&) { fw::testing::PressKey(Key::F4, fw::testing::kAlt); }},
        {"system menu Close", [](CCoilDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }},
        {"Escape", [](CCoilDialog&) { fw::testing::PressKey(Key::Escape); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        EXPECT_EQ(RunMainWindow(way.close), IDCANCEL);
    }
}

TEST(MainWindow, F1OpensTheHelpFileUnlessAModifierIsHeld) {
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    enum class Open { Nothing, Menu, MixList, CoreList };
    struct Press {
        const char* name;
        void (*focus)(CCoilDialog&);
        Open open;  // what the focus step leaves open
        unsigned modifiers;
        std::size_t opened;
    };
    const auto openMix = [](CCoilDialog& d) { fw::testing::OpenDropDown(Item(d, IDC_MIX)); };
    const auto openCore = [](CCoilDialog& d) { fw::testing::OpenDropDown(Item(d, IDC_CORE)); };
    const auto onTurns = [](CCoilDialog& d) { d.GetDlgItem(IDC_TURNS)->SetFocus(); };
    const Press presses[] = {
        {"on the mix list", [](CCoilDialog& d) { d.GetDlgItem(IDC_MIX)->SetFocus(); }, Open::Nothing, 0, 1},
        {"on the core list", [](CCoilDialog& d) { d.GetDlgItem(IDC_CORE)->SetFocus(); }, Open::Nothing, 0, 1},
        {"in a field", onTurns, Open::Nothing, 0, 1},
        {"on a button", [](CCoilDialog& d) { d.GetDlgItem(IDC_CALC_N)->SetFocus(); }, Open::Nothing, 0, 1},
        {"in the open menu", [](CCoilDialog& d) { fw::testing::OpenMenu(d.m_hWnd, 1); }, Open::Menu, 0, 1},
        {"in the open mix list", openMix, Open::MixList, 0, 1},
        {"in the open core list", openCore, Open::CoreList, 0, 1},
        {"Shift+F1", onTurns, Open::Nothing, fw::testing::kShift, 0},
        {"Ctrl+F1", onTurns, Open::Nothing, fw::testing::kControl, 0},
        {"Alt+F1", onTurns, Open::Nothing, fw::testing::kAlt, 0},
        {"Shift+F1 in the open mix list", openMix, Open::MixList, fw::testing::kShift, 0},
        {"Ctrl+F1 in the open core list", openCore, Open::CoreList, fw::testing::kControl, 0},
        {"Alt+F1 in the open mix list", openMix, Open::MixList, fw::testing::kAlt, 0},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        const auto isOpen = [&](Open what) {
            switch (what) {
            case Open::Nothing:
                return false;
            case Open::Menu:
                return fw::testing::IsMenuOpen();
            case Open::MixList:
                return fw::testing::IsDropDownOpen(Item(dialog, IDC_MIX));
            case Open::CoreList:
                return fw::testing::IsDropDownOpen(Item(dialog, IDC_CORE));
            }
            return false;
        };
        for (const Press& press : presses) {
            SCOPED_TRACE(press.name);
            desktop.opened.clear();
            press.focus(dialog);
            fw::testing::ProcessEvents();
            if (press.open != Open::Nothing) {
                ASSERT_TRUE(isOpen(press.open));
            }
            fw::testing::PressKey(Key::F1, press.modifiers);
            EXPECT_EQ(desktop.opened, std::vector<std::string>(press.opened, "KALVEX.HLP"));
            if (isOpen(press.open)) fw::testing::PressKey(Key::Escape);
            ASSERT_NE(dialog.m_hWnd, nullptr);
        }
        desktop.opened.clear();
        fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_HELP_CONTENTS);
        EXPECT_EQ(desktop.opened, std::vector<std::string>{"KALVEX.HLP"});
        EXPECT_TRUE(desktop.boxes.empty());
    });
}

// Also registered to run the whole program under LC_ALL=it_IT.UTF-8, as a
// desktop sets it; otherwise the test switches to that locale itself.
TEST(MainWindowLocale, ShowsAFullStopUnderTheItalianLocale) {
    const char* all = std::getenv("LC_ALL");
    const bool startedItalian = all != nullptr && std::strncmp(all, "it_IT", 5) == 0;
    fw::testing::ScopedLocale italian(startedItalian ? std::setlocale(LC_ALL, nullptr) : "it_IT.UTF-8");
    ASSERT_TRUE(italian.Active()) << "locale it_IT.UTF-8 is not generated";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    RunMainWindow([](CCoilDialog& dialog) {
        Choose(dialog, IDC_MIX, 2);
        Choose(dialog, IDC_CORE, 16);
        fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "17");
        fw::testing::Click(Item(dialog, IDC_CALC_L));
        EXPECT_EQ(Text(dialog, IDC_INDUCTANCE), "1.416");
        fw::testing::ReplaceText(Item(dialog, IDC_INDUCTANCE), "1.5");
        fw::testing::Click(Item(dialog, IDC_CALC_N));
        EXPECT_EQ(Text(dialog, IDC_TURNS), "17");
        EXPECT_EQ(Text(dialog, IDC_MIX), "T-xxx-2 ; rosso  ;       ; (  2.00 -  30.0 MHz)");
    });
}
