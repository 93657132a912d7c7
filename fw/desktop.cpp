#include "fw/desktop.h"

#include <cstring>

#include "fw/app.h"

namespace fw {
namespace detail {
Desktop& RealDesktop();  // the toolkit's
}

namespace {
Desktop* g_desktop = nullptr;
}

Desktop& CurrentDesktop() { return g_desktop != nullptr ? *g_desktop : detail::RealDesktop(); }
void SetDesktop(Desktop* desktop) { g_desktop = desktop; }

}  // namespace fw

int AfxMessageBox(const char* text, UINT type) {
    // A box that names no icon gets the exclamation mark.
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return fw::CurrentDesktop().MessageBox(fw::OwnerOf(nullptr), text, AfxGetAppName(), type);
}

INT_PTR ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int showCommand) {
    if (verb == nullptr || std::strcmp(verb, "open") != 0) return SE_ERR_NOASSOC;
    if (file == nullptr || *file == '\0') return SE_ERR_FNF;
    return fw::CurrentDesktop().Open(file, showCommand);
}

BOOL OpenClipboard(HWND owner) { return fw::CurrentDesktop().OpenClipboard(owner); }
BOOL EmptyClipboard() { return fw::CurrentDesktop().EmptyClipboard(); }
BOOL SetClipboardText(const char* text) { return fw::CurrentDesktop().SetClipboardText(text); }
BOOL CloseClipboard() { return fw::CurrentDesktop().CloseClipboard(); }
