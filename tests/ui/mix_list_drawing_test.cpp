// The mix list's rows, drawn on a device context that records every call.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "fw/testing/recording_device.h"
#include "tests/support/mix_list_request.h"
#include "tests/ui/main_window.h"

using fw::DeviceCall;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;

namespace {

// Every character measures 8 pixels on the recording device.
constexpr CRect kRect{3, 20, 403, 36};

std::string Hex(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
    return text;
}

std::string RectText(const CRect& r) {
    return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "}";
}

std::string Describe(const DeviceCall& call) {
    switch (call.op) {
    case DeviceCall::Op::SaveDC:
        return "SaveDC";
    case DeviceCall::Op::RestoreDC:
        return "RestoreDC " + std::to_string(call.value);
    case DeviceCall::Op::SetBkColor:
        return "SetBkColor " + Hex(call.colour);
    case DeviceCall::Op::SetBkMode:
        return call.value == TRANSPARENT ? "SetBkMode TRANSPARENT" : "SetBkMode other";
    case DeviceCall::Op::SetTextColor:
        return "SetTextColor " + Hex(call.colour);
    case DeviceCall::Op::GetTextExtent:
        return "GetTextExtent '" + call.text + "'";
    case DeviceCall::Op::ExtTextOut:
        return "ExtTextOut " + std::string(call.value == ETO_OPAQUE ? "ETO_OPAQUE " : "other ") + RectText(call.rect) +
               " '" + call.text + "'";
    case DeviceCall::Op::TextOut:
        return "TextOut " + std::to_string(call.x) + "," + std::to_string(call.y) + " '" + call.text + "'";
    case DeviceCall::Op::DrawFocusRect:
        return "DrawFocusRect " + RectText(call.rect);
    default:
        return "unexpected call";
    }
}

// Sends the main window a drawing request for one item of the mix list, as
// the list does, and answers what was drawn. Whatever the drawing changed on
// the context must be undone when it returns.
std::vector<std::string> Draw(CCoilDialog& dialog, int item, UINT state) {
    fw::RecordingDevice dc;
    CDC::FromHandle(&dc)->SetTextColor(0x123456);
    CDC::FromHandle(&dc)->SetBkColor(0x654321);
    dc.calls.clear();

    DRAWITEMSTRUCT dis = kalvex_test::MixListDrawRequest(Item(dialog, IDC_MIX), item, state, &dc, kRect);
    EXPECT_EQ(dialog.SendMessage(WM_DRAWITEM, IDC_MIX, reinterpret_cast<LPARAM>(&dis)), TRUE);

    EXPECT_EQ(dc.SavedDepth(), 0);
    EXPECT_EQ(dc.GetTextColor(), 0x123456u);
    EXPECT_EQ(dc.GetBkColor(), 0x654321u);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    std::vector<std::string> calls;
    for (const DeviceCall& call : dc.calls) calls.push_back(Describe(call));
    return calls;
}

const std::vector<std::string> kRow7 = {
    "SaveDC",
    "GetTextExtent 'T-xxx-12'",
    "GetTextExtent ' verde  '",
    "GetTextExtent 'bianco '",
    "GetTextExtent ' ( 50.00 - 200.0 MHz)'",
    "SetBkColor C0C0C0",
    "ExtTextOut ETO_OPAQUE {3,20,403,36} ''",
    "SetBkMode TRANSPARENT",
    "SetTextColor 000000",
    "TextOut 3,20 'T-xxx-12'",
    "SetTextColor 008000",
    "TextOut 67,20 ' verde  '",
    "SetTextColor FFFFFF",
    "TextOut 131,20 'bianco '",
    "SetTextColor 000000",
    "TextOut 187,20 ' ( 50.00 - 200.0 MHz)'",
    "RestoreDC 1",
};

std::vector<std::string> Only(const std::vector<std::string>& calls, const std::string& prefix) {
    std::vector<std::string> result;
    for (const std::string& call : calls) {
        if (call.starts_with(prefix)) result.push_back(call);
    }
    return result;
}

}  // namespace

TEST(MixListDrawing, PaintsTheFieldsOfARowInTheirColoursOneAfterAnother) {
    RunMainWindow([](CCoilDialog& dialog) {
        EXPECT_EQ(Draw(dialog, 7, 0), kRow7);
        // Selected: only the background changes.
        std::vector<std::string> selected = kRow7;
        selected[5] = "SetBkColor C0A080";
        EXPECT_EQ(Draw(dialog, 7, ODS_SELECTED), selected);
    });
}

TEST(MixListDrawing, FocusRectangleComesLastAndOnlyWhenAsked) {
    RunMainWindow([](CCoilDialog& dialog) {
        std::vector<std::string> focused = kRow7;
        focused.insert(focused.end() - 1, "DrawFocusRect {3,20,403,36}");
        EXPECT_EQ(Draw(dialog, 7, ODS_FOCUS), focused);
        // The next request without focus fills the whole item again and draws none.
        EXPECT_EQ(Draw(dialog, 7, 0), kRow7);
    });
}

TEST(MixListDrawing, EveryRowPaintsItsColoursAndTheRangesLineUp) {
    RunMainWindow([](CCoilDialog& dialog) {
        for (int row = 0; row < 11; ++row) {
            SCOPED_TRACE(row);
            const catalogue::ColourPair colours = *catalogue::MixColours(row);
            EXPECT_EQ(Only(Draw(dialog, row, 0), "SetTextColor"),
                      (std::vector<std::string>{"SetTextColor 000000", "SetTextColor " + Hex(colours.first),
                                                "SetTextColor " + Hex(colours.second), "SetTextColor 000000"}));
            // Label, blank and colour name, second colour (seven blanks for one
            // colour), range: 8, 8 and 7 characters of 8 pixels.
            std::vector<std::string> positions;
            for (const std::string& call : Only(Draw(dialog, row, 0), "TextOut")) {
                positions.push_back(call.substr(0, call.find('\'')));
            }
            EXPECT_EQ(positions, (std::vector<std::string>{"TextOut 3,20 ", "TextOut 67,20 ", "TextOut 131,20 ",
                                                           "TextOut 187,20 "}));
        }
        // A one-colour row paints seven blanks in its second colour.
        EXPECT_EQ(Only(Draw(dialog, 5, 0), "TextOut")[2], "TextOut 131,20 '       '");
    });
}

TEST(MixListDrawing, SplitsAnyTextIntoExactlyFourFields) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> painted;
    };
    const Case cases[] = {
        {"no separator", "abc", {"TextOut 3,20 'abc'", "TextOut 27,20 ''", "TextOut 27,20 ''", "TextOut 27,20 ''"}},
        {"two separators",
         "ab;c;d",
         {"TextOut 3,20 'ab'", "TextOut 19,20 'c'", "TextOut 27,20 'd'", "TextOut 35,20 ''"}},
        {"only separators", ";;;", {"TextOut 3,20 ''", "TextOut 3,20 ''", "TextOut 3,20 ''", "TextOut 3,20 ''"}},
        {"five fields",
         "a;b;c;d;e;f",
         {"TextOut 3,20 'a'", "TextOut 11,20 'b'", "TextOut 19,20 'c'", "TextOut 27,20 'd'"}},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        auto* list = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_MIX));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            list->ResetContent();
            list->AddString(c.text);
            EXPECT_EQ(Only(Draw(dialog, 0, 0), "TextOut"), c.painted);
        }
    });
}

TEST(MixListDrawing, AnItemThatNamesNoMixIsDrawnEmpty) {
    struct Case {
        const char* name;
        int item;
        UINT state;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"no selection",
         -1,
         0,
         {"SaveDC", "SetBkColor C0C0C0", "ExtTextOut ETO_OPAQUE {3,20,403,36} ''", "SetBkMode TRANSPARENT",
          "RestoreDC 1"}},
        {"no selection, focused",
         -1,
         ODS_SELECTED | ODS_FOCUS,
         {"SaveDC", "SetBkColor C0A080", "ExtTextOut ETO_OPAQUE {3,20,403,36} ''", "SetBkMode TRANSPARENT",
          "DrawFocusRect {3,20,403,36}", "RestoreDC 1"}},
        {"past the last mix",
         11,
         0,
         {"SaveDC", "SetBkColor C0C0C0", "ExtTextOut ETO_OPAQUE {3,20,403,36} ''", "SetBkMode TRANSPARENT",
          "RestoreDC 1"}},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        // A twelfth row must not make item 11 a mix.
        static_cast<CComboBox*>(dialog.GetDlgItem(IDC_MIX))->AddString("x;y;z;w");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(Draw(dialog, c.item, c.state), c.calls);
        }
    });
}
