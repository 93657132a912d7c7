// The application object and the program's start.
#pragma once

#include "fw/wnd.h"

class CWinApp : public CCmdTarget {
public:
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

    // Command 57665: asks the main window to close.
    void OnAppExit();

protected:
    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
};

// Dialogs may host ActiveX controls; none are used here, so this does nothing.
inline void AfxEnableControlContainer() {}

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();

// The program's start: sets up the toolkit, runs InitInstance and, if that
// answers TRUE, the message loop. Answers the process's exit status.
int AfxWinMain(int argc, char** argv);
