// The mix list's row drawing, CMixComboBox::DrawItem, with an arbitrary row
// text and item number on a device that records every call. Items 0 to 10
// paint the row's four ';'-separated fields one after another (a missing
// field empty, nothing after a fourth ';'), any other item no text; the
// device's state is as before afterwards. Reads outside the text or the
// colour tables are ASan's to find.
//
// Input: one byte of item state (bit 0 selected, bit 1 focus), four bytes of
// item number (little-endian, signed), then the row text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "fuzz/main_window.h"
#include "fuzz/support.h"
#include "fw/testing/recording_device.h"
#include "tests/support/mix_list_request.h"

namespace {

constexpr CRect kRect{3, 20, 403, 36};
constexpr int kRows = 12;  // one more than the mixes: item 11 has a row but names no mix
// The rows other than the item's, each its own.
std::string OtherRow(int row) { return "other " + std::to_string(row) + ";a;b;c"; }
constexpr int kCharWidth = 8;  // the recording device's width of every character
constexpr COLORREF kTextColour = 0x123456;
constexpr COLORREF kBkColour = 0x654321;

// The four fields of a row: characters go to the current field, a ';' moves
// on to the next, and after the fourth field nothing counts.
std::array<std::string, 4> Fields(std::string_view text) {
    std::array<std::string, 4> fields;
    std::size_t field = 0;
    for (const char c : text) {
        if (c == ';') {
            if (++field == fields.size()) break;
        } else {
            fields[field] += c;
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::OpenMainWindow(*argc > 0 ? (*argv)[0] : "mix_row");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::uint8_t, 5> head{};
    for (std::size_t i = 0; i < head.size() && i < input.size(); ++i) head[i] = static_cast<std::uint8_t>(input[i]);
    const UINT state = ((head[0] & 1) != 0 ? ODS_SELECTED : 0u) | ((head[0] & 2) != 0 ? ODS_FOCUS : 0u);
    std::uint32_t number = 0;
    for (std::size_t i = 4; i >= 1; --i) number = number << 8 | head[i];
    const auto item = static_cast<std::int32_t>(number);
    const std::string row(input.substr(std::min(input.size(), head.size())));
    // The list holds the text through a C string: up to the first NUL.
    const std::string listed = row.substr(0, row.find('\0'));

    CCoilDialog& dialog = fuzz::MainWindow();
    auto* list = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_MIX));
    list->ResetContent();
    for (int i = 0; i < kRows; ++i) list->AddString(i == item ? row.c_str() : OtherRow(i).c_str());
    const bool itemInList = item >= 0 && item < kRows;
    CString inList;
    list->GetLBText(itemInList ? item : 0, inList);
    if (inList.Str() != (itemInList ? listed : OtherRow(0))) {
        fuzz::Fail("the list was given " + fuzz::Escaped(row) + "\nand hands back " + fuzz::Escaped(inList.View()));
    }

    fw::RecordingDevice dc;
    CDC::FromHandle(&dc)->SetTextColor(kTextColour);
    CDC::FromHandle(&dc)->SetBkColor(kBkColour);
    dc.calls.clear();

    DRAWITEMSTRUCT dis = kalvex_test::MixListDrawRequest(list->m_hWnd, item, state, &dc, kRect);
    const LRESULT drawn = dialog.SendMessage(WM_DRAWITEM, IDC_MIX, reinterpret_cast<LPARAM>(&dis));

    const auto failed = [&](const std::string& what) {
        fuzz::Fail("item " + std::to_string(item) + " state " + std::to_string(state) + " row " + fuzz::Escaped(row) +
                   "\n" + what);
    };
    if (drawn != TRUE) failed("the drawing request was not answered");

    // The device as it was.
    if (dc.SavedDepth() != 0) failed("saved states left: " + std::to_string(dc.SavedDepth()));
    if (dc.GetTextColor() != kTextColour || dc.GetBkColor() != kBkColour || dc.GetBkMode() != OPAQUE ||
        dc.GetCurrentFont() != nullptr) {
        failed("the device state was not restored");
    }

    // The item's background, filled once, and the focus rectangle when asked.
    int fills = 0;
    for (const fw::DeviceCall& call : dc.Calls(fw::DeviceCall::Op::ExtTextOut)) {
        if (!call.text.empty()) failed("ExtTextOut painted text " + fuzz::Escaped(call.text));
        if (call.value == ETO_OPAQUE && call.rect == kRect) ++fills;
    }
    if (fills != 1) failed("the item was filled " + std::to_string(fills) + " times");
    const auto focusRects = dc.Calls(fw::DeviceCall::Op::DrawFocusRect);
    if (focusRects.size() != ((state & ODS_FOCUS) != 0 ? 1u : 0u) ||
        (!focusRects.empty() && focusRects[0].rect != kRect)) {
        failed("wrong focus rectangle");
    }

    const std::vector<fw::DeviceCall> painted = dc.Calls(fw::DeviceCall::Op::TextOut);
    if (item < 0 || item > 10) {
        if (!painted.empty()) failed("an item that names no mix painted " + fuzz::Escaped(painted[0].text));
        return 0;
    }
    const std::array<std::string, 4> fields = Fields(listed);
    const std::optional<catalogue::ColourPair> colours = catalogue::MixColours(item);
    if (!colours) failed("mix without colours");
    const std::array<COLORREF, 4> textColours = {0x000000, colours->first, colours->second, 0x000000};
    if (painted.size() != fields.size()) failed(std::to_string(painted.size()) + " texts painted");
    int x = kRect.left;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const fw::DeviceCall& call = painted[i];
        if (call.text != fields[i] || call.x != x || call.y != kRect.top || call.textColour != textColours[i]) {
            failed("field " + std::to_string(i) + ": painted " + fuzz::Escaped(call.text) + " at " +
                   std::to_string(call.x) + "," + std::to_string(call.y) + ", expected " + fuzz::Escaped(fields[i]) +
                   " at " + std::to_string(x) + "," + std::to_string(kRect.top));
        }
        x += static_cast<int>(fields[i].size()) * kCharWidth;
    }
    return 0;
}
