// Dialogs built from templates and run modally, and the data exchange that
// binds a control to its wrapper object.
#pragma once

#include "fw/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches `control` to the dialog's item `nIDC` the first time it runs.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);

class CDialog : public fw::Routed<CDialog, CWnd> {
public:
    static const fw::RoutingTable kRoutes;

    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the window from the template, runs it until EndDialog and
    // destroys it. Answers the result given to EndDialog, or -1 when the
    // window could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Dialog units of this dialog's template font to pixels.
    void MapDialogRect(CRect* rect) const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
