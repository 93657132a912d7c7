#include "ui/about_dialog.h"

#include "ui/resource_ids.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

// The labels go in reverse order: maker, home page, mail.
CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL CAboutDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // The credit line (IDC_MAKER) stays plain text.
    m_mailLink.SubclassDlgItem(IDC_LINK_MAIL, this);
    m_homeLink.SubclassDlgItem(IDC_LINK_HOME, this);
    m_makerLink.SubclassDlgItem(IDC_LINK_MAKER, this);
    return TRUE;  // the focus goes to OK, the only tab stop
}
