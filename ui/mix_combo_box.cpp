#include "ui/mix_combo_box.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "calc/mix_text.h"
#include "catalogue/catalogue.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kBackground = 0xC0C0C0;          // light grey
constexpr COLORREF kSelectedBackground = 0xC0A080;  // greyish blue

// A row holds label; first colour; second colour; frequency range. A missing
// field is empty; whatever follows a fourth separator belongs to none.
std::array<std::string_view, 4> SplitFields(std::string_view text) {
    std::array<std::string_view, 4> fields{};
    std::size_t start = 0;
    for (std::string_view& field : fields) {
        if (start > text.size()) break;
        const std::size_t end = std::min(text.find(';', start), text.size());
        field = text.substr(start, end - start);
        start = end + 1;
    }
    return fields;
}

}  // namespace

CMixComboBox::~CMixComboBox() = default;

// Paints the four fields of a row one after another, each in its own colour,
// in the font the list was given; a fixed-pitch font lines them up in columns.
void CMixComboBox::DrawItem(LPDRAWITEMSTRUCT pDrawItemStruct) {
    CDC* dc = CDC::FromHandle(pDrawItemStruct->hDC);
    const int savedDC = dc->SaveDC();
    const CRect rect = pDrawItemStruct->rcItem;
    const int item = static_cast<int>(pDrawItemStruct->itemID);

    // An item that names no mix (-1: no selection) is drawn empty.
    const std::optional<catalogue::ColourPair> colours = catalogue::MixColours(item);
    CString text;
    std::array<std::string_view, 4> fields{};
    std::array<int, 4> widths{};
    std::array<COLORREF, 4> textColours{};
    if (colours) {
        GetLBText(item, text);
        fields = SplitFields(text.View());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            widths[i] = dc->GetTextExtent(fields[i].data(), static_cast<int>(fields[i].size())).cx;
        }
        textColours = {kBlack, colours->first, colours->second, kBlack};
    }

    const bool selected = (pDrawItemStruct->itemState & ODS_SELECTED) != 0;
    dc->SetBkColor(selected ? kSelectedBackground : kBackground);
    dc->ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    dc->SetBkMode(TRANSPARENT);

    if (colours) {
        int x = rect.left;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            dc->SetTextColor(textColours[i]);
            dc->TextOut(x, rect.top, fields[i].data(), static_cast<int>(fields[i].size()));
            x += widths[i];
        }
    }
    if ((pDrawItemStruct->itemState & ODS_FOCUS) != 0) dc->DrawFocusRect(&rect);
    dc->RestoreDC(savedDC);
}

CString CMixComboBox::GetItemSpokenText(int index) const {
    CString text;
    GetLBText(index, text);
    return CString(calc::SpokenMixRow(text.View()));
}
