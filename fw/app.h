// The application object and the program's start.
#pragma once

#include "fw/wnd.h"

namespace fw {
struct ResourceTable;
}

class CWinApp : public fw::Routed<CWinApp, CCmdTarget> {
public:
    static const fw::RoutingTable kRoutes;

    // The one application object registers itself; its name is the program
    // file's name without directory and extension unless one is given.
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // The three-dimensional look is the system's own; answers FALSE.
    BOOL Enable3dControls() { return FALSE; }

    HICON LoadIcon(UINT nIDResource) const;

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName = nullptr;
    // The program's templates, menus and pictures; none until it gives them.
    const fw::ResourceTable* m_pResources = nullptr;

    // Command 57665: asks the main window to close.
    void OnAppExit();
};

// Dialogs may host ActiveX controls; none are used here, so this does nothing.
inline void AfxEnableControlContainer() {}

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();

namespace fw {
// The owner of a modal window: its parent, or without one the main window
// (unless the window is the main window itself); nullptr when there is none.
HWND OwnerOf(const CWnd* parent, const CWnd* self = nullptr);
}  // namespace fw

// The program's start: sets up the toolkit, runs InitInstance and, if that
// answers TRUE, the message loop. Answers the process's exit status.
int AfxWinMain(int argc, char** argv);
