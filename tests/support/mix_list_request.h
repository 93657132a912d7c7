// A drawing request for one item of the main window's mix list, as the list
// sends it to the main window, which passes it on to the list object.
#pragma once

#include "fw/gdi.h"
#include "ui/resource_ids.h"

namespace kalvex_test {

inline DRAWITEMSTRUCT MixListDrawRequest(HWND list, int item, UINT state, HDC dc, const CRect& rect) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = IDC_MIX;
    dis.itemID = static_cast<UINT>(item);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = list;
    dis.hDC = dc;
    dis.rcItem = rect;
    return dis;
}

}  // namespace kalvex_test
