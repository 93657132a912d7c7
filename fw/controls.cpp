// What the control wrappers do without the toolkit: owner drawing handed
// back to the list.
#include "fw/controls.h"

#include "fw/gdi.h"

void CComboBox::DrawItem(DRAWITEMSTRUCT*) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
