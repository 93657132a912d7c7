#include "fw/print_dialog.h"

#include "fw/app.h"
#include "fw/desktop.h"
#include "fw/gdi.h"
#include "fw/internal.h"

CPrintDialog::CPrintDialog(DWORD dwFlags, CWnd* pParentWnd) : m_pd{}, m_pParentWnd(pParentWnd) {
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_RETURNDC;
}

CPrintDialog::~CPrintDialog() {
    if (!m_bHandedOver && m_pd.hDC != nullptr) fw::detail::DeleteContext(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal() {
    m_pd.hwndOwner = fw::OwnerOf(m_pParentWnd);
    if (!m_bHandedOver && m_pd.hDC != nullptr) fw::detail::DeleteContext(m_pd.hDC);
    m_pd.hDC = nullptr;
    m_bHandedOver = false;
    m_strDeviceName.Empty();

    HDC printer = nullptr;
    CString name;
    const INT_PTR result = fw::CurrentDesktop().PrintDialog(m_pd.hwndOwner, m_pd.Flags, &printer, &name);
    if (result != IDOK || printer == nullptr) {
        if (printer != nullptr) fw::detail::DeleteContext(printer);
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
