// The print dialog: the user picks a printer, the framework hands over a
// device context for it.
#pragma once

#include "fw/cstring.h"
#include "fw/types.h"

class CWnd;

// The full print dialog (the framework offers no print-setup variant). The
// framework adds PD_RETURNDC: after OK the dialog holds a context for the
// chosen printer.
class CPrintDialog {
public:
    explicit CPrintDialog(DWORD dwFlags, CWnd* pParentWnd = nullptr);
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;
    // Deletes the printer context unless it was handed over.
    ~CPrintDialog();

    // Runs the dialog modally over its owner, the main window unless one was
    // given. Answers IDOK, or IDCANCEL when the user cancelled or no printer
    // could be offered.
    INT_PTR DoModal();
    // Hands over the printer context; the caller deletes it (CDC::Attach).
    HDC GetPrinterDC();
    // The chosen printer's device name; empty when the dialog named none.
    CString GetDeviceName() const { return m_strDeviceName; }

    PRINTDLG m_pd;

private:
    CWnd* m_pParentWnd;
    CString m_strDeviceName;
    bool m_bHandedOver = false;
};
