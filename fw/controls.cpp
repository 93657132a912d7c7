// What the control wrappers do without the toolkit: owner drawing handed
// back to the list, and what a screen reader is told by default.
#include "fw/controls.h"

#include "fw/gdi.h"

BOOL CStatic::IsLink() const { return FALSE; }

void CComboBox::DrawItem(DRAWITEMSTRUCT*) {}

CString CComboBox::GetItemSpokenText(int index) const {
    CString text;
    GetLBText(index, text);
    return text;
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
