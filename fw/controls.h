// Wrappers of the standard controls.
#pragma once

#include "fw/wnd.h"

class CStatic : public CWnd {};

// A drop-down list.
class CComboBox : public CWnd {
public:
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    // Selects a row without notifying anybody; -1 clears the selection.
    int SetCurSel(int index);
    void ResetContent();
    int GetLBText(int index, CString& text) const;

    // Owner drawing: the parent hands each drawing request back to the list.
    virtual void DrawItem(DRAWITEMSTRUCT* pDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
