#include "fw/dialog.h"

#include "fw/app.h"
#include "fw/internal.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control) {
    if (control.m_hWnd != nullptr) return;
    control.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

constinit const fw::RoutingTable CDialog::kRoutes = fw::Routes({
    fw::OnCommand<&CDialog::OnOK>(IDOK),
    fw::OnCommand<&CDialog::OnCancel>(IDCANCEL),
});

INT_PTR CDialog::DoModal() {
    const INT_PTR result = fw::detail::RunModal(*this, m_nIDTemplate, fw::OwnerOf(m_pParentWnd, this));
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd != nullptr) fw::detail::EndModal(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}
