#include "fw/desktop.h"

#include <cstring>

#include "fw/app.h"
#include "fw/internal.h"

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

INT_PTR fw::detail::OpenThroughDesktop(const char* verb, const char* file, int showCommand) {
    if (verb == nullptr || std::strcmp(verb, "open") != 0) return SE_ERR_NOASSOC;
    if (file == nullptr || *file == '\0') return SE_ERR_FNF;
    return CurrentDesktop().Open(file, showCommand);
}

BOOL SetClipboardText(const char* text) { return fw::CurrentDesktop().SetClipboardText(text); }
