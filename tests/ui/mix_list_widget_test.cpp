// The mix list on screen: its closed field and its open rows, as pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "fw/testing.h"
#include "tests/ui/main_window.h"

using fw::testing::Image;
using fw::testing::Key;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;

namespace {

constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kBlueGrey = 0xC0A080;

// Pixels of `colour` within `area` of the image.
int Count(const Image& image, const CRect& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += image.At(x, y) == colour ? 1 : 0;
    }
    return count;
}

CRect Whole(const Image& image) { return CRect{0, 0, image.width, image.height}; }

bool Holds(const Image& image, const CRect& area, int x, bool (*match)(COLORREF)) {
    for (int y = area.top; y < area.bottom; ++y) {
        if (match(image.At(x, y))) return true;
    }
    return false;
}

// The leftmost column of `area` holding a pixel that matches, or -1.
int FirstColumn(const Image& image, const CRect& area, bool (*match)(COLORREF)) {
    for (int x = area.left; x < area.right; ++x) {
        if (Holds(image, area, x, match)) return x;
    }
    return -1;
}

int LastColumn(const Image& image, const CRect& area, bool (*match)(COLORREF)) {
    for (int x = area.right - 1; x >= area.left; --x) {
        if (Holds(image, area, x, match)) return x;
    }
    return -1;
}

// Black glyphs, antialiased edges aside.
bool Ink(COLORREF c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 0x60; }
bool Green(COLORREF c) { return c == 0x008000; }
bool White(COLORREF c) { return c == 0xFFFFFF; }

}  // namespace

TEST(MixListWidget, ClosedFieldShowsTheSelectionWhileTheListHasTheFocus) {
    struct Case {
        const char* name;
        int focus;
        COLORREF background;
        COLORREF other;
    };
    const Case cases[] = {
        {"focus on the list", IDC_MIX, kBlueGrey, kGrey},
        {"focus elsewhere", IDC_TURNS, kGrey, kBlueGrey},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            dialog.GetDlgItem(c.focus)->SetFocus();
            fw::testing::ProcessEvents();
            const Image field = fw::testing::Grab(Item(dialog, IDC_MIX));
            EXPECT_GT(Count(field, Whole(field), c.background), field.width * field.height / 2);
            EXPECT_EQ(Count(field, Whole(field), c.other), 0);
            // Mix 0, "marrone", in its colour.
            EXPECT_GT(Count(field, Whole(field), 0x000080), 0);
        }
    });
}

TEST(MixListWidget, WithoutAnAttachedListTheFieldShowsItsPlainText) {
    RunMainWindow([](CCoilDialog& dialog) {
        CWnd* list = dialog.GetDlgItem(IDC_MIX);
        HWND hwnd = list->UnsubclassWindow();
        const Image field = fw::testing::Grab(hwnd);
        ASSERT_TRUE(list->SubclassWindow(hwnd));
        // Not the owner's background (a stray antialiased pixel may match), but text.
        EXPECT_LT(Count(field, Whole(field), kGrey) + Count(field, Whole(field), kBlueGrey), field.width);
        EXPECT_GT(FirstColumn(field, CRect{0, 3, field.width / 2, field.height - 3}, Ink), 0);
    });
}

TEST(MixListWidget, OpenListHighlightsTheCurrentRowAndEveryRowFitsWhole) {
    RunMainWindow([](CCoilDialog& dialog) {
        HWND list = Item(dialog, IDC_MIX);
        dialog.GetDlgItem(IDC_TURNS)->SetFocus();
        fw::testing::ProcessEvents();
        const Image field = fw::testing::Grab(list);

        fw::testing::OpenDropDown(list);
        for (int i = 0; i < 7; ++i) fw::testing::PressKey(Key::Down);
        const Image rows = fw::testing::GrabDropDown(list);
        fw::testing::PressKey(Key::Escape);
        ASSERT_GT(rows.width, 0);

        const CRect row0 = fw::testing::DropDownRowRect(list, 0);
        const CRect row7 = fw::testing::DropDownRowRect(list, 7);
        EXPECT_EQ(Count(rows, row0, kBlueGrey), 0);
        EXPECT_GT(Count(rows, row0, kGrey), row0.Width() * row0.Height() / 2);
        EXPECT_EQ(Count(rows, row7, kGrey), 0);
        EXPECT_GT(Count(rows, row7, kBlueGrey), row7.Width() * row7.Height() / 2);
        // The highlighted row also has the keyboard focus: its dotted focus
        // rectangle along its top edge, every other pixel off the row's
        // background (black dots, or the background inverted, as Windows
        // draws it); no other row has one.
        const auto dots = [&](const CRect& row, COLORREF background) {
            const CRect edge{row.left, row.top, row.right, row.top + 1};
            return edge.Width() - Count(rows, edge, background);
        };
        EXPECT_GT(dots(row7, kBlueGrey), row7.Width() / 3);
        EXPECT_EQ(dots(row0, kGrey), 0);
        EXPECT_EQ(dots(fw::testing::DropDownRowRect(list, 6), kGrey), 0);
        // "verde" in green, then "bianco" in white.
        const int green = FirstColumn(rows, row7, Green);
        EXPECT_GT(green, row7.left);
        EXPECT_GT(FirstColumn(rows, row7, White), green);

        // Row 0's text ends in the range's ")" with background after it ...
        const int first = FirstColumn(rows, row0, Ink);
        const int last = LastColumn(rows, row0, Ink);
        ASSERT_LT(last + 3, row0.right);
        const int middle = (row0.top + row0.bottom) / 2;
        EXPECT_EQ(rows.At(last + 2, middle), kGrey);
        EXPECT_EQ(rows.At(last + 3, middle), kGrey);
        // ... and so does the same text in the closed field, not cut off.
        const CRect text{0, 3, field.width, field.height - 3};
        const int start = FirstColumn(field, text, Ink);
        ASSERT_GE(start, 0);
        const int end = start + (last - first);
        ASSERT_LT(end + 3, field.width);
        EXPECT_TRUE(Holds(field, text, end, Ink));
        EXPECT_EQ(field.At(end + 2, field.height / 2), kGrey);
        EXPECT_EQ(field.At(end + 3, field.height / 2), kGrey);
    });
}
