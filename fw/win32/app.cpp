// The program's start over the Windows API.
#include <string>

#include "fw/app.h"
#include "fw/win32/window.h"

int AfxWinMain(int, char**) {
    fw::win32::SearchOnlyTheSystemFolder();
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    // The application's name: the program file's name without folder and extension.
    static const std::string name = fw::win32::ProgramName();
    if (app->m_pszAppName == nullptr) app->m_pszAppName = name.c_str();
    if (app->InitInstance()) fw::win32::RunMessageLoop();
    return app->ExitInstance();
}
