// The program's start over the Windows API.
#include <string>

#include "fw/app.h"
#include "fw/win32/backend.h"

std::string fw::win32::ProgramName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) name.resize(dot);
    return Narrow(name);
}

int fw::detail::ScreenLogPixelsY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int AfxWinMain(int, char**) {
    // DLLs are loaded from the system's folder only, never from the
    // program's folder or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    // The application's name: the program file's name without folder and extension.
    static const std::string name = fw::win32::ProgramName();
    if (app->m_pszAppName == nullptr) app->m_pszAppName = name.c_str();
    if (app->InitInstance()) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) fw::win32::DispatchOne(message);
    }
    return app->ExitInstance();
}
