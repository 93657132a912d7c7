// The test program's start on Windows, its windows counted, and the locale
// it runs under.
#include <clocale>
#include <string>

#include "fw/app.h"
#include "fw/testing/toolkit.h"
#include "fw/win32/testing/support.h"

namespace fw::testing {

void StartToolkit(int&, char**) {
    // The application's name: the program file's name, as the program's start gives it.
    static const std::string name = win32::ProgramName();
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszAppName == nullptr) app->m_pszAppName = name.c_str();
}

void StopToolkit() { ProcessEvents(); }

// Windows of this thread, top-level and child.
int ToolkitWidgetCount() {
    ProcessEvents();
    int count = 0;
    for (HWND window : win32::testing::WindowsOf(nullptr)) {
        count += 1 + static_cast<int>(win32::testing::WindowsOf(window).size());
    }
    return count;
}

namespace {

// The C library knows locales by Windows' names: "it_IT.UTF-8" is tried as
// given, then as "it-IT" and as "it_IT".
bool SetLocale(const std::string& name) {
    if (std::setlocale(LC_ALL, name.c_str()) != nullptr) return true;
    const std::string base = name.substr(0, name.find('.'));
    std::string dashed = base;
    if (const std::size_t underscore = dashed.find('_'); underscore != std::string::npos) dashed[underscore] = '-';
    for (const std::string& each : {dashed, base}) {
        if (!each.empty() && std::setlocale(LC_ALL, each.c_str()) != nullptr) return true;
    }
    return false;
}

}  // namespace

ScopedLocale::ScopedLocale(const char* name) : m_previous(std::setlocale(LC_ALL, nullptr)) {
    m_active = SetLocale(name);
}

ScopedLocale::~ScopedLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }

}  // namespace fw::testing
