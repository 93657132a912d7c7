#include "fw/app.h"

#include <cassert>

#include "fw/internal.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName) {
    assert(g_app == nullptr && "one application object only");
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

constinit const fw::RoutingTable CWinApp::kRoutes = fw::Routes({
    fw::OnCommand<&CWinApp::OnAppExit>(ID_APP_EXIT),
});

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app != nullptr ? g_app->m_pMainWnd : nullptr; }

HWND fw::OwnerOf(const CWnd* parent, const CWnd* self) {
    const CWnd* owner = parent != nullptr ? parent : AfxGetMainWnd();
    return owner != nullptr && owner != self ? owner->m_hWnd : nullptr;
}

const char* AfxGetAppName() { return g_app != nullptr && g_app->m_pszAppName ? g_app->m_pszAppName : ""; }
