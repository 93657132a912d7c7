#include "fw/print_dialog.h"

#include "fw/app.h"
#include "fw/desktop.h"
#include "fw/gdi.h"

CPrintDialog::CPrintDialog(DWORD dwFlags, CWnd* pParentWnd) : m_pParentWnd(pParentWnd) {
    m_pd.Flags = dwFlags | PD_RETURNDC;
}

CPrintDialog::~CPrintDialog() {
    if (!m_bHandedOver) delete m_pd.hDC;
}

INT_PTR CPrintDialog::DoModal() {
    m_pd.hwndOwner = fw::OwnerOf(m_pParentWnd);
    if (!m_bHandedOver) delete m_pd.hDC;
    m_pd.hDC = nullptr;
    m_bHandedOver = false;
    m_strDeviceName.Empty();

    HDC printer = nullptr;
    CString name;
    const INT_PTR result = fw::CurrentDesktop().PrintDialog(m_pd.hwndOwner, m_pd.Flags, &printer, &name);
    if (result != IDOK || printer == nullptr) {
        delete printer;
        return IDCANCEL;
    }
    m_pd.hDC = printer;
    m_strDeviceName = name;
    return IDOK;
}

HDC CPrintDialog::GetPrinterDC() {
    m_bHandedOver = true;
    return m_pd.hDC;
}
