#include "ui/coil_dialog.h"

#include "fw/app.h"
#include "fw/images.h"
#include "ui/about_dialog.h"
#include "ui/help.h"

CCoilDialog::CCoilDialog(CWnd* pParent) : Routed(IDD_MAIN, pParent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

CCoilDialog::~CCoilDialog() = default;

constinit const fw::RoutingTable CCoilDialog::kRoutes = fw::Routes({
    fw::OnSysCommand<&CCoilDialog::OnSysCommand>(),
    fw::OnPaint<&CCoilDialog::OnPaint>(),
    fw::OnQueryDragIcon<&CCoilDialog::OnQueryDragIcon>(),
    fw::OnNotify<&CCoilDialog::CalcInductanceFromFC>(BN_CLICKED, IDC_CALC_L_FROM_FC),
    fw::Ignore(EN_CHANGE, IDC_TURNS),
    fw::Ignore(EN_CHANGE, IDC_INDUCTANCE),
    fw::Ignore(CBN_SELENDOK, IDC_CORE),
    fw::Ignore(EN_CHANGE, IDC_CAPACITANCE),
    fw::OnNotify<&CCoilDialog::CalcCapacitanceFromFL>(BN_CLICKED, IDC_CALC_C_FROM_FL),
    fw::OnCommand<&ShowHelp>(ID_HELP_CONTENTS),
    fw::OnNotify<&CCoilDialog::FillCoreList>(CBN_SELENDOK, IDC_MIX),
    fw::OnNotify<&CCoilDialog::CalcFrequency>(BN_CLICKED, IDC_CALC_F),
    fw::OnNotify<&CCoilDialog::CalcInductance>(BN_CLICKED, IDC_CALC_L),
    fw::OnNotify<&CCoilDialog::CalcTurns>(BN_CLICKED, IDC_CALC_N),
    fw::Ignore(EN_CHANGE, IDC_FREQUENCY),
    fw::OnCommand<&CCoilDialog::ShowAbout>(ID_APP_ABOUT),
    fw::OnCommand<&CCoilDialog::SaveReport>(ID_FILE_SAVE),
    fw::OnCommand<&CCoilDialog::PrintReport>(ID_FILE_PRINT),
    fw::OnNotify<&CCoilDialog::CalcReactances>(BN_CLICKED, IDC_CALC_X),
});

void CCoilDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CORE, m_coreList);
}

BOOL CCoilDialog::OnInitDialog() {
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_coreFont.CreatePointFont(100, "Courier New");
    m_coreList.SetFont(&m_coreFont, TRUE);

    m_mixList.SubclassDlgItem(IDC_MIX, this);
    m_mixFont.CreatePointFont(100, "Fixedsys");
    m_mixList.SetFont(&m_mixFont, TRUE);

    FillMixList();
    // A selection made here sends no notification, so the core list is filled now.
    FillCoreList();
    return TRUE;
}

// Enter outside a push button issues IDOK; it must not close the window.
void CCoilDialog::OnOK() {}

void CCoilDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & SC_COMMANDMASK) == IDM_ABOUTBOX) {
        ShowAbout();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CCoilDialog::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

// The picture shown while the minimised window is dragged.
HCURSOR CCoilDialog::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

// The box is modal over this window; how it was closed makes no difference.
void CCoilDialog::ShowAbout() {
    CAboutDialog about;
    about.DoModal();
}
