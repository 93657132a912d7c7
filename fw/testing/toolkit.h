// Test support: the toolkit of a test program, headless, and the locale it
// runs under.
#pragma once

#include <string>

namespace fw::testing {

// Starts the toolkit for a test program, on the offscreen platform unless
// QT_QPA_PLATFORM names another one; StopToolkit ends it before main returns.
void StartToolkit(int& argc, char** argv);
void StopToolkit();

// Lets the toolkit handle what is pending.
void ProcessEvents();
// Every widget the toolkit holds, the framework's windows and the toolkit's
// own (menus, popups, views), once those closed for later deletion are gone.
int ToolkitWidgetCount();

// Runs the process under another locale (C library and toolkit) for the life
// of this object, as if the program had been started under it.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
    bool Active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};

}  // namespace fw::testing
