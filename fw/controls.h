// Wrappers of the standard controls.
#pragma once

#include "fw/wnd.h"

class CStatic : public CWnd {
public:
    // A static text that acts when clicked answers TRUE: a screen reader
    // announces it as a link, whose action is a click.
    virtual BOOL IsLink() const;
};

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
    // What a screen reader speaks for a row: its text, unless a list that
    // paints its rows shows them otherwise.
    virtual CString GetItemSpokenText(int index) const;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
